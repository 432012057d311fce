// Records what the commands say to the user and answers questions from a script.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "manifest/user_dialogs.h"

namespace pavonet::testing {

class RecordingDialogs final : public UserDialogs {
 public:
  // One event a call, in order: "notice:<text>", "ask:<text>", "beep:<type>".
  std::vector<std::string> events;
  // Answers for AskYesNo, used front first; a question with none left fails.
  std::deque<int> answers;

  void ShowNotice(std::string_view text) override {
    events.push_back("notice:" + std::string(text));
  }
  int AskYesNo(std::string_view text) override {
    events.push_back("ask:" + std::string(text));
    if (answers.empty()) throw std::logic_error("unexpected question");
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void MessageBeep(unsigned type) override { events.push_back("beep:" + std::to_string(type)); }
};

}  // namespace pavonet::testing
