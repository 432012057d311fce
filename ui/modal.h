// Modal episodes: while a modal window is up, the thread's other windows
// take no input, and a nested message loop runs until it has a result.
#pragma once

#include <windows.h>

#include <vector>

namespace pavonet::ui {

// Disables the thread's enabled top-level windows (but `modal`) and enables
// them again when it goes out of scope.
class DisabledWindows {
 public:
  explicit DisabledWindows(HWND modal);
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;
  ~DisabledWindows();

 private:
  std::vector<HWND> disabled_;
};

// Pumps messages until `*result` is nonzero. Keyboard navigation goes
// through IsDialogMessage for `modal`; `filter`, when given, may swallow a
// message first. A WM_QUIT ends the loop and is posted again for the outer one.
using MessageFilter = bool (*)(const MSG& message, void* context);
void RunModalLoop(HWND modal, const int* result, MessageFilter filter = nullptr,
                  void* context = nullptr);

}  // namespace pavonet::ui
