// Drives the built program from outside, as a user or an assistive tool
// would: it starts Pavonet.exe as a process of its own and works its real
// windows with standard window messages. Nothing in the program knows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "manifest/win32/kernel_handles.h"

namespace pavonet::testing {

// What a message window of the program shows.
struct MessageWindowText {
  std::string className;
  std::string caption;
  std::vector<std::string> texts;    // static texts, in order
  std::vector<std::string> buttons;  // button captions, in order
  bool operator==(const MessageWindowText&) const = default;
};

class ProgramDriver {
 public:
  // Starts the program and waits for its main window.
  explicit ProgramDriver(const std::string& executable);
  ProgramDriver(const ProgramDriver&) = delete;
  ProgramDriver& operator=(const ProgramDriver&) = delete;
  ~ProgramDriver();  // ends the program if it still runs

  HWND MainWindow() const { return main_; }
  HWND Control(int id) const { return GetDlgItem(main_, id); }

  // Presses a button without waiting for what it opens.
  void Click(int id) const;
  // Presses a button of another window of the program.
  static void ClickButton(HWND window, const std::string& caption);

  // The next visible top-level window of the program with this class that
  // has not been returned before; nullptr after `milliseconds`.
  HWND WaitForWindow(const std::string& className, int milliseconds = 10000);
  // Waits until the window is gone.
  static bool WaitUntilClosed(HWND window, int milliseconds = 10000);

  // Reads a message window (the program's own or the system's message box).
  static MessageWindowText Read(HWND window);

  // Opens the open dialog, types `path` into its file-name box and opens it.
  void ChooseInOpenDialog(const std::string& path);

  std::vector<std::string> ListRows() const;
  void SelectRow(int row) const;

  // Waits for the process to end; its exit code, or -1 if it did not end.
  long WaitForExit(int milliseconds = 15000);

 private:
  std::vector<HWND> TopLevelWindows(const std::string& className) const;

  win32::UniqueKernelObject process_;
  DWORD processId_ = 0;
  HWND main_ = nullptr;
  std::vector<HWND> returned_;
};

}  // namespace pavonet::testing
