// Linked into bare_window_imports only: refers to gdi32, shell32 and comdlg32
// as Pavonet does, so that the loader maps the same DLLs before WinMain.
// Never called; the start-up benchmark takes the difference to bare_window
// as the cost of those DLLs.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

void ReferPavonetDlls(HWND window) {
  GetStockObject(DEFAULT_GUI_FONT);
  DragAcceptFiles(window, TRUE);
  OPENFILENAMEA open{};
  open.lStructSize = sizeof open;
  GetOpenFileNameA(&open);
}
