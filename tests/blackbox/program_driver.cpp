#include "program_driver.h"

#include <algorithm>
#include <stdexcept>

#include "ui/window_enumeration.h"

namespace pavonet::testing {

namespace {

constexpr int kPollMilliseconds = 20;
constexpr int kListBox1 = 100;
constexpr int kButton3 = 104;
// The explorer dialog's file-name box, and the older dialog's.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// WM_GETTEXT crosses process boundaries; GetWindowText would not ask the
// other process for its controls' text.
std::string TextOf(HWND window) {
  const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied =
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

template <typename Condition>
bool WaitFor(Condition condition, int milliseconds) {
  for (int waited = 0; waited <= milliseconds; waited += kPollMilliseconds) {
    if (condition()) return true;
    Sleep(kPollMilliseconds);
  }
  return false;
}

}  // namespace

ProgramDriver::ProgramDriver(const std::string& executable) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string command = "\"" + executable + "\"";
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info))
    throw std::runtime_error("cannot start " + executable);
  CloseHandle(info.hThread);
  process_.Reset(info.hProcess);
  processId_ = info.dwProcessId;
  main_ = WaitForWindow("TForm1");
  if (!main_) throw std::runtime_error("no main window");
}

ProgramDriver::~ProgramDriver() {
  if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.Get(), 99);
    WaitForSingleObject(process_.Get(), 5000);
  }
}

std::vector<HWND> ProgramDriver::TopLevelWindows(const std::string& className) const {
  std::vector<HWND> found;
  ui::ForEachTopLevelWindow([&](HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId_ && IsWindowVisible(window) && ClassOf(window) == className)
      found.push_back(window);
    return true;
  });
  return found;
}

HWND ProgramDriver::WaitForWindow(const std::string& className, int milliseconds) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        // Closed windows leave the list: their handles may come back.
        std::erase_if(returned_, [](HWND w) { return !IsWindow(w) || !IsWindowVisible(w); });
        for (const HWND window : TopLevelWindows(className))
          if (std::find(returned_.begin(), returned_.end(), window) == returned_.end())
            found = window;
        return found != nullptr;
      },
      milliseconds);
  if (found) {
    returned_.push_back(found);
    Sleep(100);  // let it finish laying itself out
  }
  return found;
}

bool ProgramDriver::WaitUntilClosed(HWND window, int milliseconds) {
  return WaitFor([window] { return !IsWindow(window) || !IsWindowVisible(window); }, milliseconds);
}

void ProgramDriver::Click(int id) const {
  PostMessageA(Control(id), BM_CLICK, 0, 0);
}

void ProgramDriver::ClickButton(HWND window, const std::string& caption) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == "Button" && TextOf(child) == caption) {
      PostMessageA(child, BM_CLICK, 0, 0);
      return;
    }
  throw std::runtime_error("no button " + caption);
}

MessageWindowText ProgramDriver::Read(HWND window) {
  MessageWindowText read{ClassOf(window), TextOf(window), {}, {}};
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string cls = ClassOf(child);
    const std::string text = TextOf(child);
    if (cls == "Button") read.buttons.push_back(text);
    const bool isIcon = (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    if (cls == "Static" && !isIcon && !text.empty()) read.texts.push_back(text);
  }
  return read;
}

void ProgramDriver::ChooseInOpenDialog(const std::string& path) {
  Click(kButton3);
  const HWND dialog = WaitForWindow("#32770");
  if (!dialog) throw std::runtime_error("no open dialog");
  HWND box = GetDlgItem(dialog, kFileNameCombo);
  if (!box) box = GetDlgItem(dialog, kFileNameEdit);
  SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  WaitUntilClosed(dialog);
}

std::vector<std::string> ProgramDriver::ListRows() const {
  // Wine hands LB_GETTEXT across processes as UTF-16 whatever the caller's
  // character set: ask for it as such and convert to the ANSI code page.
  const HWND list = Control(kListBox1);
  std::vector<std::string> rows;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                                      reinterpret_cast<LPARAM>(wide.data()))));
    std::string row(wide.size() * 2, '\0');
    row.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), row.data(),
                            static_cast<int>(row.size()), nullptr, nullptr)));
    rows.push_back(row);
  }
  return rows;
}

void ProgramDriver::SelectRow(int row) const {
  SendMessageA(Control(kListBox1), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

long ProgramDriver::WaitForExit(int milliseconds) {
  if (WaitForSingleObject(process_.Get(), static_cast<DWORD>(milliseconds)) != WAIT_OBJECT_0)
    return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.Get(), &code);
  return static_cast<long>(code);
}

}  // namespace pavonet::testing
