// The main window's layout: pixels at 96 dpi.
#pragma once

#include "ui/layout.h"

namespace pavonet::resources {

// Control and menu ids. Kept clear of IDOK and IDCANCEL, which keyboard
// navigation sends for Enter and Esc when no button is meant.
enum MainFormId {
  kListBox1 = 100,
  kLabel2,
  kButton1,
  kButton2,
  kButton3,
  kButton4,
  kButton5,
  kExit1 = 200,
  kPavonet1,
};

extern const ui::FormLayout kMainFormLayout;

// The open dialog's filter: one entry, "description|pattern".
extern const char kOpenDialogFilter[];

}  // namespace pavonet::resources
