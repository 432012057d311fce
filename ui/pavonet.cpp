// Start-up: the application titled "Pavonet", its main window, the loop.
#include <windows.h>

#include "manifest/texts.h"
#include "ui/application.h"
#include "ui/unit1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using pavonet::ui::Application;
  Application& application = Application::Instance();
  application.SetTitle(pavonet::texts::kApplicationTitle);
  try {
    application.CreateForm<pavonet::ui::TForm1>();
  } catch (...) {
    application.ShowException();
    return 0;
  }
  application.Run();
  return 0;
}
