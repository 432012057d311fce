// Notices, from this thread's message retrieval (a WH_GETMESSAGE hook), when
// a window of a class has come up and finished its first paint, the picture
// control in it included: the window is visible, that control's WM_PAINT has
// been handled and nothing in the window is left to paint. Then closes it.
#pragma once

#include <windows.h>

#include <string>

#include "bench/kernel_handles.h"

namespace pavonet::bench {

class PaintWatch {
 public:
  // `pictureId`: the control id of the picture inside the window.
  PaintWatch(std::string windowClass, int pictureId);  // one at a time
  PaintWatch(const PaintWatch&) = delete;
  PaintWatch& operator=(const PaintWatch&) = delete;
  ~PaintWatch();

  // NowMs() when the window was first seen visible, and when it was
  // finished; 0 until then. Gives up (and closes the window) after 10 s.
  double ShownAtMs() const { return shownAtMs_; }
  double PaintedAtMs() const { return paintedAtMs_; }
  bool GaveUp() const { return gaveUp_; }

 private:
  static LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {}  // keeps the hook running
  void Look(const MSG& message, bool removed);
  HWND FindWindowOfClass() const;
  bool NothingToPaint() const;

  std::string windowClass_;
  int pictureId_;
  UINT recheck_;
  double startMs_;
  HWND window_ = nullptr;
  HWND picture_ = nullptr;
  bool pictureDispatched_ = false;
  double shownAtMs_ = 0;
  double paintedAtMs_ = 0;
  bool gaveUp_ = false;
  HookHandle hook_;
  ThreadTimer timer_;
};

}  // namespace pavonet::bench
