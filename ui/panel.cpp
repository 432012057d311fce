#include "ui/panel.h"

#include <windows.h>

#include "ui/window.h"

namespace pavonet::ui {

namespace {

constexpr char kClassName[] = "TPanel";

void DrawBevel(HDC dc, RECT r, int topLeft, int bottomRight) {
  const HBRUSH light = GetSysColorBrush(topLeft);
  const HBRUSH dark = GetSysColorBrush(bottomRight);
  RECT edge{r.left, r.top, r.right - 1, r.top + 1};  // top
  FillRect(dc, &edge, light);
  edge = {r.left, r.top, r.left + 1, r.bottom - 1};  // left
  FillRect(dc, &edge, light);
  edge = {r.left, r.bottom - 1, r.right, r.bottom};  // bottom
  FillRect(dc, &edge, dark);
  edge = {r.right - 1, r.top, r.right, r.bottom};  // right
  FillRect(dc, &edge, dark);
}

void Paint(HWND panel) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(panel, &ps);
  RECT r;
  GetClientRect(panel, &r);
  DrawBevel(dc, r, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);  // lowered
  InflateRect(&r, -1, -1);
  DrawBevel(dc, r, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);  // raised
  InflateRect(&r, -1, -1);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  EndPaint(panel, &ps);
}

LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(panel);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
      return SendMessageA(GetParent(panel), message, wParam, lParam);
  }
  return DefWindowProcA(panel, message, wParam, lParam);
}

}  // namespace

const char* RegisterPanelClass() {
  RegisterWindowClass({kClassName, nullptr, nullptr}, PanelProcedure);  // WM_PAINT fills it all
  return kClassName;
}

}  // namespace pavonet::ui
