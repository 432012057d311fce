#include "bench/notice_watch.h"

#include <cstring>
#include <stdexcept>

#include "bench/stopwatch.h"

namespace pavonet::bench {

namespace {

NoticeWatch* active = nullptr;

bool IsMessageWindow(HWND window) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  return std::strcmp(name, "TMessageForm") == 0;
}

}  // namespace

NoticeWatch::NoticeWatch() {
  if (active) throw std::logic_error("one NoticeWatch at a time");
  hook_.Reset(SetWindowsHookExA(WH_CBT, &NoticeWatch::OnCbt, nullptr, GetCurrentThreadId()));
  if (!hook_) throw std::runtime_error("SetWindowsHookEx(WH_CBT)");
  active = this;
}

NoticeWatch::~NoticeWatch() {
  active = nullptr;
}

void NoticeWatch::Reset() {
  count_ = 0;
  firstAtMs_ = 0;
}

LRESULT CALLBACK NoticeWatch::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && active) {
    const auto window = reinterpret_cast<HWND>(wParam);
    if (IsMessageWindow(window)) {
      if (active->count_++ == 0) active->firstAtMs_ = NowMs();
      // Waits in the queue for the window's own modal loop, which it ends.
      PostMessageA(window, WM_CLOSE, 0, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace pavonet::bench
