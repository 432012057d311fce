// The system's file-open dialog. It remembers the name chosen last and
// starts the next opening from it.
#pragma once

#include <windows.h>

#include <string>

namespace pavonet::ui {

class OpenDialog {
 public:
  // `filter` as "description|pattern"; the program passes one entry.
  explicit OpenDialog(std::string filter);

  // Shows the dialog over `owner`. True with FileName() set to the chosen
  // full path; false when cancelled, closed or failed (FileName() unchanged).
  bool Execute(HWND owner);

  const std::string& FileName() const { return fileName_; }

 private:
  std::string filter_;  // with NULs, as GetOpenFileName wants it
  std::string fileName_;
};

}  // namespace pavonet::ui
