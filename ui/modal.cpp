#include "ui/modal.h"

#include "ui/window_enumeration.h"

namespace pavonet::ui {

DisabledWindows::DisabledWindows(HWND modal) {
  ForEachThreadWindow([&](HWND window) {
    if (window != modal && IsWindowVisible(window) && IsWindowEnabled(window))
      disabled_.push_back(window);
    return true;
  });
  for (const HWND window : disabled_)
    EnableWindow(window, FALSE);
}

DisabledWindows::~DisabledWindows() {
  for (const HWND window : disabled_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

void RunModalLoop(HWND modal, const int* result, MessageFilter filter, void* context) {
  MSG message;
  while (*result == 0 && IsWindow(modal)) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) return;
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (filter && filter(message, context)) continue;
    if (IsDialogMessageA(modal, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace pavonet::ui
