// Answers the modal windows that code under test opens on this thread, the
// way a user would, and records what each one showed. A thread timer, which
// only fires once the message queue is idle, looks for newly shown windows
// and acts on each from inside its own modal loop. (Activation is not a
// reliable sign: a background process may not take the foreground.)
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace pavonet::testing {

// What a modal window showed when it opened.
struct SeenWindow {
  std::string className;
  std::string caption;
  std::vector<std::string> texts;    // static controls' texts, in order (icons excluded)
  std::vector<std::string> buttons;  // button captions, in order
  bool hasIcon = false;
  std::string focusText;     // caption of the control that had the focus
  bool ownerEnabled = true;  // whether the main window took input meanwhile
  RECT window{};
  std::vector<RECT> buttonRects;  // screen coordinates
  std::vector<RECT> textRects;
  int defaultButtonId = 0;
};

class ModalScript {
 public:
  using Action = std::function<void(HWND modal)>;

  // `owner`: the window whose enabled state is recorded while each modal is up.
  explicit ModalScript(HWND owner = nullptr);
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;
  ~ModalScript();

  // The next modal window to open gets this action.
  ModalScript& Then(Action action);

  // Every window seen so far.
  const std::vector<SeenWindow>& Seen() const { return seen_; }
  // Actions not yet used.
  std::size_t Pending() const { return actions_.size(); }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Act(HWND modal);

  HWND owner_;
  UINT_PTR timer_;
  std::deque<Action> actions_;
  std::vector<SeenWindow> seen_;
};

// Common answers.
ModalScript::Action ClickButton(const std::string& caption);
ModalScript::Action PressKey(UINT virtualKey);  // to the focused control
ModalScript::Action TypeChar(char c, bool alt);
ModalScript::Action CloseBox();  // the title bar's close box
ModalScript::Action AltF4();

// Reads a window as SeenWindow does.
SeenWindow Inspect(HWND window, HWND owner);

// The text of a window or control.
std::string TextOf(HWND window);

}  // namespace pavonet::testing
