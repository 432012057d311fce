// Owners for the kernel and hook handles the benchmarks open.
#pragma once

#include <windows.h>

#include "manifest/win32/kernel_handles.h"

namespace pavonet::bench {

// Processes, threads and pipes; files; find searches: the program's own owners.
using KernelHandle = win32::UniqueKernelObject;
using FileHandle = win32::UniqueFile;
using FindHandle = win32::UniqueFind;

struct HookTraits {
  using Handle = HHOOK;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return UnhookWindowsHookEx(h) != FALSE; }
};
using HookHandle = win32::UniqueHandle<HookTraits>;

// Memory from GlobalAlloc, until it is handed to someone who frees it.
struct GlobalTraits {
  using Handle = HGLOBAL;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return GlobalFree(h) == nullptr; }
};
using GlobalMemory = win32::UniqueHandle<GlobalTraits>;

// A thread timer (SetTimer with no window), killed with its owner.
class ThreadTimer {
 public:
  ThreadTimer(UINT milliseconds, TIMERPROC procedure)
      : id_(SetTimer(nullptr, 0, milliseconds, procedure)) {}
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;
  ~ThreadTimer() {
    if (id_) KillTimer(nullptr, id_);
  }

 private:
  UINT_PTR id_;
};

}  // namespace pavonet::bench
