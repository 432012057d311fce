// The main window: the program list, the command buttons, the menu, the
// shell drop target and the open dialog.
#pragma once

#include <string_view>

#include "manifest/program_list.h"
#include "manifest/win32/win32_code_page.h"
#include "manifest/win32/win32_file_system.h"
#include "ui/form.h"
#include "ui/open_dialog.h"
#include "ui/program_list_box.h"
#include "ui/win32_user_dialogs.h"

namespace pavonet::ui {

class TForm1 final : public Form {
 public:
  TForm1();

  ProgramListBox ListBox1;
  OpenDialog OpenDialog1;

  void Button2Click();
  void Exit1Click();
  void Pavonet1Click();
  void FormCreate();
  void Button3Click();
  void Button4Click();
  void Button1Click();
  void Button5Click();
  // WM_DROPFILES: takes ownership of the drop and releases it.
  void WMDropFiles(HDROP drop);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Hands a name to AddProgram and, when it is admitted, widens the list.
  void Admit(std::string_view candidate);
  CommandContext Context() { return {dialogs_, files_, codePage_}; }

  Win32UserDialogs dialogs_;
  win32::Win32FileSystem files_;
  win32::SystemCodePage codePage_;
};

}  // namespace pavonet::ui
