// Time from the performance counter, in milliseconds.
#pragma once

#include <windows.h>

namespace pavonet::bench {

// Milliseconds since an arbitrary start, fixed for the whole process.
inline double NowMs() {
  static const double countsPerMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / countsPerMs;
}

class Stopwatch {
 public:
  Stopwatch() : start_(NowMs()) {}
  double ElapsedMs() const { return NowMs() - start_; }
  double StartMs() const { return start_; }

 private:
  double start_;
};

}  // namespace pavonet::bench
