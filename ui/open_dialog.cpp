#include "ui/open_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <array>

namespace pavonet::ui {

namespace {

// The file-name field, as the dialog holds it: 260 characters with the zero.
constexpr std::size_t kFileNameSize = 260;

// Centres the dialog on the screen once it is laid out.
UINT_PTR CALLBACK CentreHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_INITDONE) {
    const HWND dialog = GetParent(child);
    RECT r;
    GetWindowRect(dialog, &r);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return 0;
}

}  // namespace

OpenDialog::OpenDialog(std::string filter) : filter_(std::move(filter)) {
  std::replace(filter_.begin(), filter_.end(), '|', '\0');
  filter_.append(2, '\0');
}

bool OpenDialog::Execute(HWND owner) {
  std::array<char, kFileNameSize> name{};
  fileName_.copy(name.data(), name.size() - 1);

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter_.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_ENABLEHOOK;
  ofn.lpfnHook = CentreHook;
  if (!GetOpenFileNameA(&ofn)) return false;
  fileName_ = name.data();
  return true;
}

}  // namespace pavonet::ui
