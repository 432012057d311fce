#include "bench/launch.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

#include "bench/kernel_handles.h"
#include "bench/stopwatch.h"

namespace pavonet::bench {

namespace {

constexpr double kGiveUpMs = 20000;
constexpr DWORD kExitWaitMs = 10000;

// A window of the class belonging to the process, or nullptr.
HWND WindowOf(DWORD processId, const std::string& windowClass) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, windowClass.c_str(), nullptr))) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) return window;
  }
  return nullptr;
}

}  // namespace

double TimeToVisibleWindow(const std::string& commandLine, const std::string& windowClass) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};

  const Stopwatch clock;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info))
    throw std::runtime_error("cannot start " + commandLine);
  const KernelHandle process(info.hProcess);
  const KernelHandle thread(info.hThread);

  HWND window = nullptr;
  for (;;) {
    window = WindowOf(info.dwProcessId, windowClass);
    if (window && IsWindowVisible(window)) break;
    if (WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0)
      throw std::runtime_error(commandLine + " ended before showing " + windowClass);
    if (clock.ElapsedMs() > kGiveUpMs)
      throw std::runtime_error(commandLine + " showed no " + windowClass);
    Sleep(1);
  }
  const double elapsed = clock.ElapsedMs();

  PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.Get(), kExitWaitMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.Get(), 1);
    WaitForSingleObject(process.Get(), kExitWaitMs);
  }
  return elapsed;
}

}  // namespace pavonet::bench
