#include "ui/modal.h"

namespace pavonet::ui {

DisabledWindows::DisabledWindows(HWND modal) {
  struct Context {
    HWND modal;
    std::vector<HWND>* disabled;
  } context{modal, &disabled_};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* c = reinterpret_cast<Context*>(lParam);
        if (window != c->modal && IsWindowVisible(window) && IsWindowEnabled(window))
          c->disabled->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&context));
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
