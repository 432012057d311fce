#include "ui_test_support.h"

#include <shlobj.h>

#include <cstring>

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

}  // namespace pavonet::testing
