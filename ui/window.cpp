#include "ui/window.h"

#include <stdexcept>

namespace pavonet::ui {

namespace {

HINSTANCE ThisModule() {
  return GetModuleHandleA(nullptr);
}

}  // namespace

void RegisterWindowClass(const WindowClass& windowClass, WNDPROC procedure) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(ThisModule(), windowClass.name, &existing)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = ThisModule();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = windowClass.background;
  wc.hIcon = windowClass.icon;
  wc.lpszClassName = windowClass.name;
  if (!RegisterClassExA(&wc)) throw std::runtime_error("RegisterClassEx failed");
}

void Window::Create(const WindowClass& windowClass, DWORD exStyle, DWORD style, const char* caption,
                    RECT place, HWND owner, HMENU menu) {
  RegisterWindowClass(windowClass, &Window::Procedure);
  const HWND window = CreateWindowExA(exStyle, windowClass.name, caption, style, place.left,
                                      place.top, place.right - place.left, place.bottom - place.top,
                                      owner, menu, ThisModule(), this);
  if (!window) throw std::runtime_error("CreateWindowEx failed");
}

Window::~Window() {
  if (const HWND window = window_.Get()) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(Handle(), message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_.Reset(window);
  }
  if (!self) return DefWindowProcA(window, message, wParam, lParam);

  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    ReportCurrentException();
  }
  if (message == WM_NCDESTROY) {
    // The system has destroyed the window: nothing is left to own.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_.Release();
  }
  return result;
}

}  // namespace pavonet::ui
