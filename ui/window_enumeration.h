// EnumChildWindows and EnumThreadWindows with any callable (lambdas are not
// CALLBACK functions on 32-bit Windows). The callable returns false to stop.
#pragma once

#include <windows.h>

namespace pavonet::ui {

namespace detail {
template <typename Visit>
BOOL CALLBACK VisitWindow(HWND window, LPARAM visit) {
  return (*reinterpret_cast<Visit*>(visit))(window) ? TRUE : FALSE;
}
}  // namespace detail

// Every descendant of `parent`, depth first.
template <typename Visit>
void ForEachChildWindow(HWND parent, Visit visit) {
  EnumChildWindows(parent, &detail::VisitWindow<Visit>, reinterpret_cast<LPARAM>(&visit));
}

// Every top-level window of the calling thread.
template <typename Visit>
void ForEachThreadWindow(Visit visit) {
  EnumThreadWindows(GetCurrentThreadId(), &detail::VisitWindow<Visit>,
                    reinterpret_cast<LPARAM>(&visit));
}

// Every top-level window on the desktop.
template <typename Visit>
void ForEachTopLevelWindow(Visit visit) {
  EnumWindows(&detail::VisitWindow<Visit>, reinterpret_cast<LPARAM>(&visit));
}

}  // namespace pavonet::ui
