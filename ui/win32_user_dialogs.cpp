#include "ui/win32_user_dialogs.h"

#include <windows.h>

#include "ui/application.h"
#include "ui/message_window.h"

namespace pavonet::ui {

void Win32UserDialogs::ShowNotice(std::string_view text) {
  const Application& application = Application::Instance();
  ui::ShowNotice(application.MainWindow(), application.Title(), text);
}

int Win32UserDialogs::AskYesNo(std::string_view text) {
  return ui::AskYesNo(Application::Instance().MainWindow(), text);
}

void Win32UserDialogs::MessageBeep(unsigned type) {
  ::MessageBeep(type);
}

}  // namespace pavonet::ui
