// Owners for the kernel and hook handles the benchmarks open.
#pragma once

#include <windows.h>

#include "manifest/win32/unique_handle.h"

namespace pavonet::bench {

// Processes, threads and pipes: nullptr when there is none.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return CloseHandle(h) != FALSE; }
};
using KernelHandle = win32::UniqueHandle<KernelHandleTraits>;

// Files from CreateFile: INVALID_HANDLE_VALUE when there is none.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) noexcept { return CloseHandle(h) != FALSE; }
};
using FileHandle = win32::UniqueHandle<FileHandleTraits>;

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) noexcept { return FindClose(h) != FALSE; }
};
using FindHandle = win32::UniqueHandle<FindHandleTraits>;

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
