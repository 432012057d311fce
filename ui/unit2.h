// The About window: the program's name, version, author and dates beside its
// emblem, with one button that closes it.
#pragma once

#include "ui/form.h"

namespace pavonet::ui {

class TAboutBox final : public Form {
 public:
  // Builds the window from its layout, hidden, with `owner` as its owner
  // window (the main window). Shown with ShowModal; each opening builds a
  // new one, so nothing carries over from one opening to the next.
  explicit TAboutBox(HWND owner);

  // The components, owned by the window.
  HWND Panel1;
  HWND ProgramIcon;
  HWND ProductName;
  HWND Version;
  HWND Copyright;
  HWND Comments;
  HWND OKButton;
  HWND Label1;

  // Nothing of its own: the button's modal result closes the window.
  void OKButtonClick();
};

}  // namespace pavonet::ui
