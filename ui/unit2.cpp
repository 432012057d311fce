#include "ui/unit2.h"

#include "resources/about_box.h"

namespace pavonet::ui {

namespace {

// A dialog frame: close box only, no icon, fixed size.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

TAboutBox::TAboutBox(HWND owner)
    : Form(resources::kAboutBoxLayout, owner, kStyle, kExStyle, nullptr),
      Panel1(Control(resources::kPanel1)),
      ProgramIcon(Control(resources::kProgramIcon)),
      ProductName(Control(resources::kProductName)),
      Version(Control(resources::kVersion)),
      Copyright(Control(resources::kCopyright)),
      Comments(Control(resources::kComments)),
      OKButton(Control(resources::kOKButton)),
      Label1(Control(resources::kLabel1)) {
  OnClick(resources::kOKButton, [this] { OKButtonClick(); });
}

void TAboutBox::OKButtonClick() {}

}  // namespace pavonet::ui
