// A top-level window built from a layout table: its font, its controls in
// tab order and its menu bar, all scaled to the screen's dpi. Buttons and
// menu items report clicks through callbacks registered by id.
#pragma once

#include <functional>
#include <map>

#include "ui/layout.h"
#include "ui/window.h"

namespace pavonet::ui {

class Form : public Window {
 public:
  // The control with this id (controls inside panels included).
  HWND Control(int id) const;

  // `pixels` at 96 dpi, in the screen's dpi.
  int Scale(int pixels) const;

  // Runs `handler` when the button or menu item with this id is clicked.
  void OnClick(int id, std::function<void()> handler);

  // Called with the focus control when keyboard navigation runs through the
  // window; the message loop hands its messages here first.
  virtual bool PreTranslateMessage(MSG& message);

  // Shows the window modally and returns its modal result: the thread's other
  // windows take no input meanwhile, the focus starts on the first control in
  // tab order, and the window is hidden again before this returns. A button
  // with a modal result ends it with that result; closing the window (close
  // box, Alt+F4) ends it with 2.
  int ShowModal();

 protected:
  Form(const FormLayout& layout, HWND owner, DWORD style, DWORD exStyle, HICON icon);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // The id of the default button, or 0 when the window has none.
  int DefaultButton() const { return defaultButton_; }

 private:
  void CreateControls(const FormLayout& layout);
  HMENU CreateMenuBar(const FormLayout& layout);

  int dpi_;
  UniqueFont font_;
  int defaultButton_ = 0;
  HWND focus_ = nullptr;  // the control to give the focus back to
  std::map<int, std::function<void()>> clickHandlers_;
  std::map<int, int> modalResults_;  // by button id
  bool modal_ = false;
  int modalResult_ = 0;
};

}  // namespace pavonet::ui
