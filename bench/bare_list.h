// The baseline for adding rows: a bare top-level window holding one list box
// of the main window's list box styles and size, and nothing else.
#pragma once

#include <windows.h>

#include "ui/handles.h"

namespace pavonet::bench {

class BareList {
 public:
  // Created, and shown when `show` is set.
  explicit BareList(bool show);

  HWND Host() const { return host_.Get(); }
  HWND List() const { return list_; }

 private:
  ui::UniqueWindow host_;  // takes the list box with it
  HWND list_ = nullptr;
};

}  // namespace pavonet::bench
