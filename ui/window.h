// A window object bound to its HWND. One static procedure per class hands
// each message to the object; no exception ever crosses back into user32:
// one that leaves a handler is shown by the failure report instead.
#pragma once

#include <windows.h>

#include "ui/handles.h"

namespace pavonet::ui {

struct WindowClass {
  const char* name;
  HBRUSH background;  // e.g. COLOR_BTNFACE + 1
  HICON icon;         // nullptr for none
};

// Registers the class with this module on first use; later calls do nothing.
void RegisterWindowClass(const WindowClass& windowClass, WNDPROC procedure);

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Destroys the window if it still exists; its last messages then go to
  // DefWindowProc, as the object is no longer whole.
  virtual ~Window();

  // The window, or nullptr once it has been destroyed.
  HWND Handle() const { return window_.Get(); }

 protected:
  Window() = default;

  // Registers the class on first use and creates the window. Messages sent
  // during creation already reach HandleMessage (of the class being built).
  void Create(const WindowClass& windowClass, DWORD exStyle, DWORD style, const char* caption,
              RECT place, HWND owner, HMENU menu);

  // Everything not handled goes to DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  UniqueWindow window_;
};

// Shows the failure report for the exception being handled. Defined by the
// application; called at every boundary where user32 calls our code.
void ReportCurrentException() noexcept;

}  // namespace pavonet::ui
