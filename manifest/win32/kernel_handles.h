// Owners for kernel32's handles: open files, find searches, and objects
// (processes, events) whose "none" is null rather than INVALID_HANDLE_VALUE.
#pragma once

#include <windows.h>

#include "manifest/win32/unique_handle.h"

namespace pavonet::win32 {

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) noexcept { return CloseHandle(h) != FALSE; }
};
using UniqueFile = UniqueHandle<FileHandleTraits>;

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) noexcept { return FindClose(h) != FALSE; }
};
using UniqueFind = UniqueHandle<FindHandleTraits>;

struct KernelObjectTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return CloseHandle(h) != FALSE; }
};
using UniqueKernelObject = UniqueHandle<KernelObjectTraits>;

struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return FreeLibrary(h) != FALSE; }
};
using UniqueModule = UniqueHandle<ModuleTraits>;

}  // namespace pavonet::win32
