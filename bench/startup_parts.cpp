// Where the start-up time goes, measured inside a fresh process that links
// the same code and DLLs as Pavonet. Started by startup_bench once per
// sample; writes one line to its standard output:
//   loader=MS create=MS show=MS paint=MS
// loader: process creation (as the kernel recorded it) to WinMain, which
//         covers mapping the DLLs and static initialisation;
// create: the main window built (TForm1 as Pavonet builds it, or a bare
//         window), hidden; show: ShowWindow; paint: the first full paint.
//   startup_parts form|window|font
// "font" first makes and measures the main window's font alone (reported
// as create), the first font use of the process.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "bench/stopwatch.h"
#include "resources/main_form.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/unit1.h"

namespace {

using pavonet::bench::Stopwatch;

double MsSinceProcessCreation() {
  FILETIME creation{}, exit{}, kernel{}, user{}, now{};
  GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(creation)) / 10000.0;  // 100 ns units
}

LRESULT CALLBACK BareProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

// As bench/bare_window.cpp makes its window.
HWND CreateBareWindow(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = BareProcedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BareWindow";
  RegisterClassExA(&wc);
  return CreateWindowExA(0, wc.lpszClassName, "Bare", WS_OVERLAPPEDWINDOW, 244, 117, 210, 279,
                         nullptr, nullptr, instance, nullptr);
}

// The main window's font, made and used once, as the form does for labels.
void UseMainFormFont() {
  const pavonet::ui::FontLayout& layout = pavonet::resources::kMainFormLayout.font;
  const pavonet::ui::UniqueFont font(
      CreateFontA(layout.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                  static_cast<DWORD>(layout.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, layout.face));
  const pavonet::ui::WindowDc screen(nullptr);
  const pavonet::ui::SelectObjectScope select(screen.Get(), font.Get());
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), "Pavonet", 7, &size);
}

void Print(const char* text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, static_cast<DWORD>(std::strlen(text)), &written,
            nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const double loader = MsSinceProcessCreation();
  const bool form = std::strcmp(commandLine, "form") == 0;
  const bool font = std::strcmp(commandLine, "font") == 0;
  using pavonet::ui::Application;
  Application& application = Application::Instance();
  application.SetTitle("Pavonet");

  Stopwatch step;
  HWND window = nullptr;
  pavonet::ui::UniqueWindow bare;
  if (font) {
    UseMainFormFont();
  } else if (form) {
    window = application.CreateForm<pavonet::ui::TForm1>().Handle();
  } else {
    bare.Reset(CreateBareWindow(instance));
    window = bare.Get();
  }
  const double create = step.ElapsedMs();
  if (!font && !window) return 1;

  double show = 0;
  double paint = 0;
  if (window) {
    const Stopwatch showing;
    ShowWindow(window, SW_SHOWNORMAL);
    show = showing.ElapsedMs();
    const Stopwatch painting;
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    paint = painting.ElapsedMs();
  }

  char line[128];
  std::snprintf(line, sizeof line, "loader=%.3f create=%.3f show=%.3f paint=%.3f\n", loader, create,
                show, paint);
  Print(line);
  application.Reset();
  return 0;
}
