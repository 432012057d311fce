#include "bench/paint_watch.h"

#include <stdexcept>
#include <utility>

#include "bench/stopwatch.h"
#include "ui/window_enumeration.h"

namespace pavonet::bench {

namespace {

PaintWatch* active = nullptr;
constexpr double kGiveUpMs = 10000;

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool HasUpdate(HWND window) {
  return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

}  // namespace

PaintWatch::PaintWatch(std::string windowClass, int pictureId)
    : windowClass_(std::move(windowClass)),
      pictureId_(pictureId),
      recheck_(RegisterWindowMessageA("PavonetBenchPaintRecheck")),
      startMs_(NowMs()),
      timer_(100, &PaintWatch::OnTimer) {
  if (active) throw std::logic_error("one PaintWatch at a time");
  hook_.Reset(
      SetWindowsHookExA(WH_GETMESSAGE, &PaintWatch::OnGetMessage, nullptr, GetCurrentThreadId()));
  if (!hook_) throw std::runtime_error("SetWindowsHookEx(WH_GETMESSAGE)");
  active = this;
}

PaintWatch::~PaintWatch() {
  active = nullptr;
}

LRESULT CALLBACK PaintWatch::OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && active)
    active->Look(*reinterpret_cast<const MSG*>(lParam), wParam == PM_REMOVE);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND PaintWatch::FindWindowOfClass() const {
  HWND found = nullptr;
  ui::ForEachThreadWindow([&](HWND window) {
    if (IsWindowVisible(window) && ClassOf(window) == windowClass_) found = window;
    return !found;
  });
  return found;
}

bool PaintWatch::NothingToPaint() const {
  if (HasUpdate(window_)) return false;
  bool clean = true;
  ui::ForEachChildWindow(window_, [&](HWND child) {
    clean = !HasUpdate(child);
    return clean;
  });
  return clean;
}

void PaintWatch::Look(const MSG& message, bool removed) {
  if (paintedAtMs_ > 0 || gaveUp_) return;
  if (!window_) {
    window_ = FindWindowOfClass();
    if (!window_) {
      if (NowMs() - startMs_ > kGiveUpMs) gaveUp_ = true;
      return;
    }
    shownAtMs_ = NowMs();
    ui::ForEachChildWindow(window_, [&](HWND child) {
      if (GetDlgCtrlID(child) == pictureId_) picture_ = child;
      return !picture_;
    });
  }
  if (message.message == WM_PAINT && removed) {
    if (message.hwnd == picture_) pictureDispatched_ = true;
    // Look again once this paint has been handled.
    if (message.hwnd == window_ || IsChild(window_, message.hwnd))
      PostMessageA(window_, recheck_, 0, 0);
  }
  if (pictureDispatched_ && IsWindowVisible(window_) && NothingToPaint()) {
    paintedAtMs_ = NowMs();
    PostMessageA(window_, WM_CLOSE, 0, 0);
  } else if (NowMs() - startMs_ > kGiveUpMs) {
    gaveUp_ = true;
    PostMessageA(window_, WM_CLOSE, 0, 0);
  }
}

}  // namespace pavonet::bench
