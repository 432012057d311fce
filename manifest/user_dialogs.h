// How the commands speak to the user: two modal message windows and a beep.
#pragma once

#include <string_view>

namespace pavonet {

class UserDialogs {
 public:
  // AskYesNo's answers.
  static constexpr int kYes = 6;
  static constexpr int kNo = 7;
  static constexpr int kClosed = 2;

  // The system's asterisk sound, played before the finishing message.
  static constexpr unsigned kAsteriskSound = 0x40;

  virtual ~UserDialogs() = default;
  // Shows the text and returns once the user has closed the window.
  virtual void ShowNotice(std::string_view text) = 0;
  // Asks the overwrite question; kYes, kNo or kClosed.
  virtual int AskYesNo(std::string_view text) = 0;
  virtual void MessageBeep(unsigned type) = 0;
};

}  // namespace pavonet
