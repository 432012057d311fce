#include "ui/form.h"

#include <string>

#include "ui/panel.h"

namespace pavonet::ui {

namespace {

int ScreenDpi() {
  const WindowDc screen(nullptr);
  return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

// Menus get access keys automatically: the first ASCII letter or digit of
// each caption that no earlier item has taken.
std::string WithAccessKey(const char* caption, std::string& taken) {
  std::string text = caption;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsDBCSLeadByte(c)) {
      ++i;
      continue;
    }
    const bool alphaNumeric =
        (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!alphaNumeric) continue;
    const char key = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (taken.find(key) != std::string::npos) continue;
    taken += key;
    return text.insert(i, "&");
  }
  return text;
}

struct ControlClass {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassOf(const ControlLayout& control) {
  switch (control.kind) {
    case ControlKind::Label:
      return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::ListBox:
      return {"LISTBOX", WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
              WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {"BUTTON", static_cast<DWORD>(control.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
              0};
    case ControlKind::Panel:
      return {RegisterPanelClass(), 0, WS_EX_CONTROLPARENT};
  }
  return {"STATIC", 0, 0};
}

// A label as wide as its text, as autosized labels are.
int TextWidth(HFONT font, const char* text) {
  const WindowDc screen(nullptr);
  const SelectObjectScope select(screen.Get(), font);
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), text, lstrlenA(text), &size);
  return size.cx;
}

}  // namespace

Form::Form(const FormLayout& layout, HWND owner, DWORD style, DWORD exStyle, HICON icon)
    : dpi_(ScreenDpi()) {
  font_.Reset(CreateFontA(-Scale(-layout.font.height), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          static_cast<DWORD>(layout.font.charset), OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          layout.font.face));

  RECT place{Scale(layout.left), Scale(layout.top), Scale(layout.left + layout.width),
             Scale(layout.top + layout.height)};
  UniqueMenu menu(layout.menu.empty() ? nullptr : CreateMenuBar(layout));
  if (layout.clientSize) {
    RECT client{0, 0, Scale(layout.width), Scale(layout.height)};
    AdjustWindowRectEx(&client, style, menu ? TRUE : FALSE, exStyle);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    place = {left, top, left + width, top + height};
  }

  const WindowClass windowClass{layout.className, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                icon};
  Create(windowClass, exStyle, style, layout.caption, place, owner, menu.Get());
  menu.Release();  // the window owns its menu now
  CreateControls(layout);
}

HMENU Form::CreateMenuBar(const FormLayout& layout) {
  UniqueMenu menu(CreateMenu());
  std::string taken;
  for (const MenuItemLayout& item : layout.menu)
    AppendMenuA(menu.Get(), MF_STRING, static_cast<UINT_PTR>(item.id),
                WithAccessKey(item.caption, taken).c_str());
  return menu.Release();
}

void Form::CreateControls(const FormLayout& layout) {
  bool first = true;
  for (const ControlLayout& control : layout.controls) {
    const ControlClass cls = ClassOf(control);
    DWORD style = WS_CHILD | WS_VISIBLE | cls.style;
    if (control.tabStop) style |= WS_TABSTOP;
    if (first) style |= WS_GROUP;
    first = false;
    const HWND parent = control.parentId ? Control(control.parentId) : Handle();
    const int width = control.width > 0
                          ? Scale(control.width)
                          : TextWidth(font_.Get(), control.caption ? control.caption : "");
    const HWND child =
        CreateWindowExA(cls.exStyle, cls.className, control.caption ? control.caption : "", style,
                        Scale(control.left), Scale(control.top), width, Scale(control.height),
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                        GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    if (control.isDefault) defaultButton_ = control.id;
  }
}

HWND Form::Control(int id) const {
  // FindWindowEx does not search grandchildren; panels hold controls too.
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      Handle(),
      [](HWND child, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        if (GetDlgCtrlID(child) != s->id) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int Form::Scale(int pixels) const {
  return MulDiv(pixels, dpi_, 96);
}

void Form::OnClick(int id, std::function<void()> handler) {
  clickHandlers_[id] = std::move(handler);
}

bool Form::PreTranslateMessage(MSG& message) {
  return IsDialogMessageA(Handle(), &message) != FALSE;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const bool clicked = lParam == 0 ? HIWORD(wParam) == 0 : HIWORD(wParam) == BN_CLICKED;
      const auto handler = clickHandlers_.find(id);
      if (clicked && handler != clickHandlers_.end()) handler->second();
      return 0;
    }
    case DM_GETDEFID:
      return defaultButton_ ? MAKELRESULT(defaultButton_, DC_HASDEFID) : 0;
    case WM_ACTIVATE:
      // Like a dialog: the focus leaves with the window and comes back with it.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) focus_ = focus;
      } else if (!HIWORD(wParam)) {
        if (!focus_ || !IsWindow(focus_)) focus_ = GetNextDlgTabItem(Handle(), nullptr, FALSE);
        if (focus_) SetFocus(focus_);
      }
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace pavonet::ui
