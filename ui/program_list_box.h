// The main window's list box as the program list: the entries live in the
// control itself, with no second copy.
#pragma once

#include <windows.h>

#include "manifest/program_list.h"

namespace pavonet::ui {

class ProgramListBox final : public ProgramList {
 public:
  void Attach(HWND listBox) { listBox_ = listBox; }
  HWND Handle() const { return listBox_; }

  int Count() const override;
  std::string Items(int index) const override;
  int SelectedIndex() const override;
  // Throws EOutOfResources when the list box refuses the row.
  void Append(std::string_view entry) override;

  // Lets the rows scroll sideways by one client width (twice the width in all).
  void WidenHorizontalExtent();

 private:
  HWND listBox_ = nullptr;
};

}  // namespace pavonet::ui
