#include "ui/form.h"

#include <stdexcept>
#include <string>

#include "ui/image.h"
#include "ui/modal.h"
#include "ui/panel.h"
#include "ui/window_enumeration.h"

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
    case ControlKind::Image:
      return {RegisterImageClass(), 0, 0};
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

// Enter presses the default (or focused) button only with no Shift, Ctrl or
// Alt held; otherwise it is an ordinary key for the focused control.
bool IsModifiedEnter(const MSG& message) {
  return message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
         (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 ||
          (HIWORD(message.lParam) & KF_ALTDOWN));
}

bool DispatchModifiedEnter(const MSG& message, void*) {
  if (!IsModifiedEnter(message)) return false;
  MSG copy = message;
  TranslateMessage(&copy);
  DispatchMessageA(&copy);
  return true;
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
    if (!child) throw std::runtime_error("CreateWindowEx failed");
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    if (control.isDefault) defaultButton_ = control.id;
    if (control.modalResult) modalResults_[control.id] = control.modalResult;
    if (!control.picture.empty()) LoadImageJpeg(child, control.picture);
  }
}

HWND Form::Control(int id) const {
  // GetDlgItem does not search grandchildren; panels hold controls too.
  HWND found = nullptr;
  ForEachChildWindow(Handle(), [&](HWND child) {
    if (GetDlgCtrlID(child) == id) found = child;
    return !found;
  });
  return found;
}

int Form::Scale(int pixels) const {
  return MulDiv(pixels, dpi_, 96);
}

void Form::OnClick(int id, std::function<void()> handler) {
  clickHandlers_[id] = std::move(handler);
}

bool Form::PreTranslateMessage(MSG& message) {
  if (IsModifiedEnter(message)) return false;
  return IsDialogMessageA(Handle(), &message) != FALSE;
}

int Form::ShowModal() {
  modalResult_ = 0;
  modal_ = true;
  {
    const DisabledWindows disabled(Handle());
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    if (const HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) SetFocus(first);
    RunModalLoop(Handle(), &modalResult_, DispatchModifiedEnter);
  }  // the other windows are enabled before this one hides, so they get the activation back
  modal_ = false;
  ShowWindow(Handle(), SW_HIDE);
  // A WM_QUIT ends the loop too; that counts as closing.
  return modalResult_ ? modalResult_ : IDCANCEL;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const bool clicked = lParam == 0 ? HIWORD(wParam) == 0 : HIWORD(wParam) == BN_CLICKED;
      if (!clicked) return 0;
      if (const auto result = modalResults_.find(id); result != modalResults_.end())
        modalResult_ = result->second;
      if (const auto handler = clickHandlers_.find(id); handler != clickHandlers_.end())
        handler->second();
      return 0;
    }
    case WM_CLOSE:
      if (!modal_) break;  // an ordinary window is destroyed
      modalResult_ = IDCANCEL;
      return 0;
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
