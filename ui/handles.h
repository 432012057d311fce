// Owners for the USER and GDI handles the windows create.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "manifest/win32/unique_handle.h"

namespace pavonet::ui {

struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return DestroyWindow(h) != FALSE; }
};
using UniqueWindow = win32::UniqueHandle<WindowTraits>;

template <typename GdiObject>
struct GdiTraits {
  using Handle = GdiObject;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return DeleteObject(h) != FALSE; }
};
using UniqueFont = win32::UniqueHandle<GdiTraits<HFONT>>;
using UniqueBitmap = win32::UniqueHandle<GdiTraits<HBITMAP>>;
using UniquePalette = win32::UniqueHandle<GdiTraits<HPALETTE>>;

struct MenuTraits {
  using Handle = HMENU;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return DestroyMenu(h) != FALSE; }
};
// A menu not (yet) attached to a window; a window destroys its own menu.
using UniqueMenu = win32::UniqueHandle<MenuTraits>;

struct DropTraits {
  using Handle = HDROP;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept {
    DragFinish(h);
    return true;
  }
};
// A shell drop; released with DragFinish.
using UniqueDrop = win32::UniqueHandle<DropTraits>;

struct DcTraits {
  using Handle = HDC;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle h) noexcept { return DeleteDC(h) != FALSE; }
};
using UniqueMemoryDc = win32::UniqueHandle<DcTraits>;

// A window's DC from GetDC, released to its window.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects a GDI object into a DC for the lifetime of this object.
class SelectObjectScope {
 public:
  SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectObjectScope(const SelectObjectScope&) = delete;
  SelectObjectScope& operator=(const SelectObjectScope&) = delete;
  ~SelectObjectScope() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace pavonet::ui
