#include "modal_script.h"

#include <stdexcept>

#include "ui/window_enumeration.h"

namespace pavonet::testing {

namespace {

ModalScript* active = nullptr;
constexpr char kSeenMark[] = "PavonetTestSeen";

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool IsModalCandidate(HWND window) {
  const std::string cls = ClassOf(window);
  return cls == "TMessageForm" || cls == "#32770" || cls == "TAboutBox";
}

HWND FindButton(HWND modal, const std::string& caption) {
  HWND found = nullptr;
  for (HWND child = GetWindow(modal, GW_CHILD); child && !found;
       child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == "Button" && TextOf(child) == caption) found = child;
  return found;
}

// Where typed keys go: the focused control of the modal window. Should the
// window not hold the focus (another process may have the foreground), its
// default button stands in, so that a key is never posted to no window.
HWND KeyTarget(HWND modal) {
  const HWND focus = GetFocus();
  if (focus && (focus == modal || IsChild(modal, focus))) return focus;
  const LRESULT def = SendMessageA(modal, DM_GETDEFID, 0, 0);
  if (HIWORD(def) == DC_HASDEFID) return GetDlgItem(modal, LOWORD(def));
  return modal;
}

}  // namespace

std::string TextOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

SeenWindow Inspect(HWND window, HWND owner) {
  SeenWindow seen;
  seen.className = ClassOf(window);
  seen.caption = TextOf(window);
  GetWindowRect(window, &seen.window);
  const LRESULT def = SendMessageA(window, DM_GETDEFID, 0, 0);
  if (HIWORD(def) == DC_HASDEFID) seen.defaultButtonId = LOWORD(def);
  // Walk every descendant (the About window nests its controls in a panel).
  ui::ForEachChildWindow(window, [&](HWND child) {
    SeenWindow* s = &seen;
    const std::string cls = ClassOf(child);
    RECT r;
    GetWindowRect(child, &r);
    if (cls == "Button") {
      s->buttons.push_back(TextOf(child));
      s->buttonRects.push_back(r);
    } else if (cls == "Static") {
      const LONG style = GetWindowLongA(child, GWL_STYLE);
      if ((style & SS_TYPEMASK) == SS_ICON) {
        s->hasIcon = s->hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
      } else if (!TextOf(child).empty()) {
        s->texts.push_back(TextOf(child));
        s->textRects.push_back(r);
      }
    }
    return true;
  });
  if (const HWND focus = GetFocus()) seen.focusText = TextOf(focus);
  if (owner) seen.ownerEnabled = IsWindowEnabled(owner) != FALSE;
  return seen;
}

ModalScript::ModalScript(HWND owner) : owner_(owner) {
  if (active) throw std::logic_error("one ModalScript at a time");
  active = this;
  timer_ = SetTimer(nullptr, 0, 15, &ModalScript::OnTimer);
}

ModalScript::~ModalScript() {
  KillTimer(nullptr, timer_);
  active = nullptr;
}

ModalScript& ModalScript::Then(Action action) {
  actions_.push_back(std::move(action));
  return *this;
}

void CALLBACK ModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (!active) return;
  std::vector<HWND> fresh;
  ui::ForEachThreadWindow([&](HWND window) {
    // A mark on the window itself: handles of closed windows are reused.
    if (IsWindowVisible(window) && IsModalCandidate(window) && !GetPropA(window, kSeenMark)) {
      SetPropA(window, kSeenMark, reinterpret_cast<HANDLE>(1));
      fresh.push_back(window);
    }
    return true;
  });
  for (const HWND window : fresh)
    active->Act(window);
}

void ModalScript::Act(HWND modal) {
  seen_.push_back(Inspect(modal, owner_));
  if (actions_.empty()) {
    // Nothing scripted: close it so the test fails instead of hanging.
    PostMessageA(modal, WM_CLOSE, 0, 0);
    return;
  }
  const Action action = std::move(actions_.front());
  actions_.pop_front();
  action(modal);
}

ModalScript::Action ClickButton(const std::string& caption) {
  return [caption](HWND modal) {
    const HWND button = FindButton(modal, caption);
    if (button) PostMessageA(button, BM_CLICK, 0, 0);
  };
}

ModalScript::Action PressKey(UINT virtualKey) {
  return [virtualKey](HWND modal) {
    const LPARAM lParam = 1 | (static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16);
    const HWND target = KeyTarget(modal);
    PostMessageA(target, WM_KEYDOWN, virtualKey, lParam);
    PostMessageA(target, WM_KEYUP, virtualKey, lParam | (3u << 30));
  };
}

ModalScript::Action TypeChar(char c, bool alt) {
  return [c, alt](HWND modal) {
    const LPARAM lParam = 1 | (alt ? (1 << 29) : 0);
    PostMessageA(KeyTarget(modal), alt ? WM_SYSCHAR : WM_CHAR, static_cast<WPARAM>(c), lParam);
  };
}

ModalScript::Action CloseBox() {
  return [](HWND modal) { PostMessageA(modal, WM_SYSCOMMAND, SC_CLOSE, 0); };
}

ModalScript::Action AltF4() {
  return [](HWND modal) {
    const LPARAM lParam = 1 | (1 << 29) | (static_cast<LPARAM>(MapVirtualKeyA(VK_F4, 0)) << 16);
    PostMessageA(KeyTarget(modal), WM_SYSKEYDOWN, VK_F4, lParam);
  };
}

}  // namespace pavonet::testing
