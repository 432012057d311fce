#include "ui_test_support.h"

#include <shlobj.h>

#include <cstring>

#include "ui/window_enumeration.h"

namespace pavonet::testing {

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

HDROP MakeDrop(const std::vector<std::string>& names) {
  std::size_t size = sizeof(DROPFILES) + 1;
  for (const std::string& name : names)
    size += name.size() + 1;
  const HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = FALSE;
  char* text = reinterpret_cast<char*>(drop + 1);
  for (const std::string& name : names) {
    std::memcpy(text, name.c_str(), name.size() + 1);
    text += name.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

std::vector<std::string> ListRows(HWND listBox) {
  std::vector<std::string> rows;
  const auto count = SendMessageA(listBox, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string row(static_cast<std::size_t>(SendMessageA(listBox, LB_GETTEXTLEN, i, 0)) + 1, '\0');
    row.resize(static_cast<std::size_t>(
        SendMessageA(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row.data()))));
    rows.push_back(row);
  }
  return rows;
}

RECT PlaceInParent(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

DWORD GdiObjects() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
  DWORD live = 0;
  for (ULONG_PTR index = 1; index <= 0xFFFF; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++live;
  return live;
}

DWORD UserObjects() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return count;
  DWORD windows = 0;
  ui::ForEachThreadWindow([&](HWND top) {
    ++windows;
    ui::ForEachChildWindow(top, [&](HWND) {
      ++windows;
      return true;
    });
    return true;
  });
  return windows;
}

DWORD KernelHandles() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count) return count;
  // Wine answers 0: probe the handle table, whose handles are small multiples of 4.
  for (ULONG_PTR value = 4; value <= 0x10000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

}  // namespace pavonet::testing
