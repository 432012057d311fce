// The commands' dialogs on the desktop: the message windows and the system sound.
#pragma once

#include "manifest/user_dialogs.h"

namespace pavonet::ui {

class Win32UserDialogs final : public UserDialogs {
 public:
  void ShowNotice(std::string_view text) override;
  int AskYesNo(std::string_view text) override;
  void MessageBeep(unsigned type) override;
};

}  // namespace pavonet::ui
