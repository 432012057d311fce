#include "ui/message_window.h"

#include <algorithm>
#include <span>
#include <string>

#include "ui/modal.h"
#include "ui/window.h"

namespace pavonet::ui {

namespace {

struct MessageButton {
  const char* caption;
  int id;
};

struct MessageKind {
  HICON icon;  // nullptr for none
  std::span<const MessageButton> buttons;
  int defaultId;
  int escapeResult;
  int closeResult;
};

// Layout in pixels at 96 dpi.
constexpr int kMargin = 12;
constexpr int kIconGap = 12;
constexpr int kTextToButtons = 14;
constexpr int kButtonHeight = 23;
constexpr int kMinButtonWidth = 75;
constexpr int kButtonPadding = 12;
constexpr int kButtonGap = 8;
constexpr UINT kTextFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

UniqueFont MessageFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return UniqueFont(CreateFontIndirectA(&metrics.lfMessageFont));
}

SIZE TextSize(HFONT font, const std::string& text, int maxWidth, UINT format) {
  const WindowDc screen(nullptr);
  const SelectObjectScope select(screen.Get(), font);
  RECT r{0, 0, maxWidth, 0};
  DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
  return {r.right, r.bottom};
}

class MessageWindow final : public Window {
 public:
  MessageWindow(HWND owner, std::string_view title, std::string_view text, const MessageKind& kind)
      : kind_(kind), font_(MessageFont()) {
    const WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    const auto scale = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };

    const std::string message(text);
    const SIZE textSize =
        TextSize(font_.Get(), message, GetSystemMetrics(SM_CXSCREEN) / 2, kTextFormat);
    const int iconSize = kind.icon ? GetSystemMetrics(SM_CXICON) : 0;
    const int textLeft = scale(kMargin) + (kind.icon ? iconSize + scale(kIconGap) : 0);

    int buttonWidth = scale(kMinButtonWidth);
    for (const MessageButton& b : kind.buttons)
      buttonWidth =
          std::max<int>(buttonWidth, TextSize(font_.Get(), b.caption, 0, DT_SINGLELINE).cx +
                                         2 * scale(kButtonPadding));
    const int buttonCount = static_cast<int>(kind.buttons.size());
    const int buttonsWidth = buttonCount * buttonWidth + (buttonCount - 1) * scale(kButtonGap);

    const int clientWidth =
        std::max<int>(textLeft + textSize.cx, buttonsWidth + scale(kMargin)) + scale(kMargin);
    const int blockHeight = std::max<int>(textSize.cy, iconSize);
    const int buttonTop = scale(kMargin) + blockHeight + scale(kTextToButtons);
    const int clientHeight = buttonTop + scale(kButtonHeight) + scale(kMargin);

    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    const std::string caption(title);
    Create({"TMessageForm", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr}, kExStyle, kStyle,
           caption.c_str(), {left, top, left + width, top + height}, owner, nullptr);

    if (kind.icon) {
      const HWND icon = AddChild("STATIC", "", SS_ICON, kMessageIconId,
                                 {scale(kMargin), scale(kMargin), iconSize, iconSize});
      SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(kind.icon), 0);
    }
    AddChild("STATIC", message.c_str(), SS_LEFT | SS_NOPREFIX, kMessageTextId,
             {textLeft, scale(kMargin), textSize.cx, textSize.cy});

    int buttonLeft = (clientWidth - buttonsWidth) / 2;
    for (const MessageButton& b : kind.buttons) {
      const DWORD style = WS_TABSTOP | (b.id == kind.defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                          (&b == kind.buttons.data() ? WS_GROUP : 0);
      AddChild("BUTTON", b.caption, style, b.id,
               {buttonLeft, buttonTop, buttonWidth, scale(kButtonHeight)});
      buttonLeft += buttonWidth + scale(kButtonGap);
    }
  }

  int ShowModal() {
    {
      const DisabledWindows disabled(Handle());
      ShowWindow(Handle(), SW_SHOW);
      SetForegroundWindow(Handle());
      SetFocus(GetDlgItem(Handle(), kind_.defaultId));
      RunModalLoop(Handle(), &result_);
    }  // the owner is enabled again before this window goes, so it gets the activation back
    return result_ ? result_ : kind_.closeResult;
  }

 private:
  HWND AddChild(const char* className, const char* text, DWORD style, int id, RECT box) {
    const HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, box.left,
                                       box.top, box.right, box.bottom, Handle(),
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    return child;
  }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == IDCANCEL && lParam == 0) {
          result_ = kind_.escapeResult;
        } else if (HIWORD(wParam) == BN_CLICKED) {
          for (const MessageButton& b : kind_.buttons)
            if (b.id == id) result_ = id;
        }
        return 0;
      }
      case WM_CLOSE:
        result_ = kind_.closeResult;
        return 0;
      case DM_GETDEFID:
        return MAKELRESULT(kind_.defaultId, DC_HASDEFID);
    }
    return Window::HandleMessage(message, wParam, lParam);
  }

  MessageKind kind_;
  UniqueFont font_;
  int result_ = 0;
};

constexpr MessageButton kOkButton[] = {{"OK", IDOK}};
constexpr MessageButton kYesNoButtons[] = {{"はい(&Y)", IDYES}, {"いいえ(&N)", IDNO}};

}  // namespace

void ShowNotice(HWND owner, std::string_view title, std::string_view text) {
  const MessageKind kind{nullptr, kOkButton, IDOK, IDOK, IDCANCEL};
  MessageWindow(owner, title, text, kind).ShowModal();
}

int AskYesNo(HWND owner, std::string_view text) {
  const MessageKind kind{LoadIcon(nullptr, IDI_WARNING), kYesNoButtons, IDYES, IDNO, IDCANCEL};
  return MessageWindow(owner, "警告", text, kind).ShowModal();
}

}  // namespace pavonet::ui
