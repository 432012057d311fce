// The baseline program: registers a class, creates and shows one window the
// size of Pavonet's main window, and runs a message loop until WM_CLOSE.
// Built with the same flags as Pavonet (static, same build type).
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  // WM_CLOSE: DefWindowProc destroys the window, which ends the loop.
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BareWindow";
  if (!RegisterClassExA(&wc)) return 1;
  const HWND window = CreateWindowExA(0, wc.lpszClassName, "Bare", WS_OVERLAPPEDWINDOW, 244, 117,
                                      210, 279, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
