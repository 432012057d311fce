// Starts a program and times it from outside, without any help from it.
#pragma once

#include <string>

namespace pavonet::bench {

// Milliseconds from CreateProcess until a window of `windowClass` belonging
// to the new process is visible (polled every millisecond or so). The window
// is then sent WM_CLOSE and the process awaited (killed after 10 s). Throws
// std::runtime_error when the process cannot start, ends early or shows no
// such window within 20 s.
double TimeToVisibleWindow(const std::string& commandLine, const std::string& windowClass);

}  // namespace pavonet::bench
