// The built program as a process of its own: it starts, shows its window,
// and every way of ending it exits with code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "manifest/win32/kernel_handles.h"

namespace pavonet {
namespace {

using Process = win32::UniqueKernelObject;

// Control and menu ids of the main window.
constexpr int kButton2 = 103;
constexpr int kExit1 = 200;
constexpr int kListBox1 = 100;

class RunningProgram {
 public:
  RunningProgram() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string command = "\"" PAVONET_EXE "\"";
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
      throw std::runtime_error("cannot start " PAVONET_EXE);
    CloseHandle(info.hThread);
    process_.Reset(info.hProcess);
    processId_ = info.dwProcessId;
    WaitForInputIdle(process_.Get(), 10000);
    for (int i = 0; i < 200 && !window_; ++i) {
      window_ = FindMainWindow();
      if (!window_) Sleep(50);
    }
  }
  ~RunningProgram() {
    if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT)
      TerminateProcess(process_.Get(), 99);
  }

  HWND Window() const { return window_; }

  // Waits for the end; the exit code, or -1 if it did not end.
  long ExitCode() {
    if (WaitForSingleObject(process_.Get(), 15000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return static_cast<long>(code);
  }

 private:
  HWND FindMainWindow() const {
    for (HWND w = FindWindowExA(nullptr, nullptr, "TForm1", nullptr); w;
         w = FindWindowExA(nullptr, w, "TForm1", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(w, &owner);
      if (owner == processId_ && IsWindowVisible(w)) return w;
    }
    return nullptr;
  }

  Process process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

struct Ending {
  const char* name;
  std::function<void(HWND)> act;
};

class ProgramEndingTest : public ::testing::TestWithParam<Ending> {};

TEST_P(ProgramEndingTest, ExitsWithCodeZero) {
  RunningProgram program;
  ASSERT_TRUE(program.Window()) << "main window not shown";
  char caption[64] = {};
  GetWindowTextA(program.Window(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Pavonet");
  GetParam().act(program.Window());
  EXPECT_EQ(program.ExitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ProgramEndingTest,
    ::testing::Values(
        Ending{"ExitButton", [](HWND w) { PostMessageA(GetDlgItem(w, kButton2), BM_CLICK, 0, 0); }},
        Ending{"ExitMenu", [](HWND w) { PostMessageA(w, WM_COMMAND, kExit1, 0); }},
        Ending{"CloseBox", [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        Ending{"AltF4",
               [](HWND w) {
                 const LPARAM alt = 1 | (1 << 29) | (MapVirtualKeyA(VK_F4, 0) << 16);
                 PostMessageA(GetDlgItem(w, kListBox1), WM_SYSKEYDOWN, VK_F4, alt);
               }},
        Ending{"WmClose", [](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); }}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Program, CarriesItsIconAndTheManifestForItsOwnMachine) {
  const win32::UniqueModule module(LoadLibraryExA(PAVONET_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(module);
  const WORD japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
  const HRSRC manifest = FindResourceExA(module.Get(), RT_MANIFEST, MAKEINTRESOURCEA(1), japanese);
  ASSERT_TRUE(manifest);
  const std::string text(
      static_cast<const char*>(LockResource(LoadResource(module.Get(), manifest))),
      SizeofResource(module.Get(), manifest));
  EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(text.find("\"X86\""), std::string::npos) << "an X86 identity stops a 64-bit program";
  EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos);
  EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_TRUE(FindResourceExA(module.Get(), RT_GROUP_ICON, "MAINICON", japanese));
}

}  // namespace
}  // namespace pavonet
