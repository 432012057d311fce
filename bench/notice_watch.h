// Watches for the program's message windows on this thread. Each one is
// closed as soon as it is created, as if answered at once, and the moment
// the first one appeared is kept: for a command, the end of its work.
#pragma once

#include <windows.h>

#include "bench/kernel_handles.h"

namespace pavonet::bench {

class NoticeWatch {
 public:
  NoticeWatch();  // one at a time
  NoticeWatch(const NoticeWatch&) = delete;
  NoticeWatch& operator=(const NoticeWatch&) = delete;
  ~NoticeWatch();

  // Message windows created since construction or the last Reset().
  int Count() const { return count_; }
  // NowMs() when the first of them was created.
  double FirstAtMs() const { return firstAtMs_; }
  void Reset();

 private:
  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);

  HookHandle hook_;
  int count_ = 0;
  double firstAtMs_ = 0;
};

}  // namespace pavonet::bench
