// The About window, from posting the menu command to the main window until
// the window is up with its emblem painted, then closed: the first opening
// in a process against the mean of the later ones. Each sample process opens
// it several times; the driver runs several processes.
//   about_bench [PROCESSES [OPENINGS]]        the driver
//   about_bench --openings N                  one process's openings
//   about_bench --parts                       building the window, decoding the emblem
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/child_output.h"
#include "bench/messages.h"
#include "bench/paint_watch.h"
#include "bench/report.h"
#include "bench/statistics.h"
#include "bench/stopwatch.h"
#include "resources/about_box.h"
#include "resources/main_form.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/jpeg_decoder.h"
#include "ui/unit1.h"
#include "ui/unit2.h"

namespace {

using namespace pavonet::bench;

struct Opening {
  double shown;    // post to the window seen visible
  double painted;  // post to the emblem painted and nothing left to paint
};

Opening OpenAndClose(HWND mainWindow) {
  const PaintWatch watch("TAboutBox", pavonet::resources::kProgramIcon);
  const double start = NowMs();
  PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(pavonet::resources::kPavonet1, 0), 0);
  // The whole modal episode runs inside the dispatch of that command.
  MSG message;
  for (;;) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) throw std::runtime_error("WM_QUIT");
    TranslateMessage(&message);
    DispatchMessageA(&message);
    if (message.message == WM_COMMAND && message.hwnd == mainWindow) break;
  }
  if (watch.GaveUp() || watch.PaintedAtMs() == 0)
    throw std::runtime_error("the About window did not come up painted");
  return {watch.ShownAtMs() - start, watch.PaintedAtMs() - start};
}

int Openings(int count) {
  pavonet::ui::Application& application = pavonet::ui::Application::Instance();
  application.SetTitle("Pavonet");
  pavonet::ui::TForm1& form = application.CreateForm<pavonet::ui::TForm1>();
  ShowWindow(form.Handle(), SW_SHOWNORMAL);
  Settle();
  for (int i = 0; i < count; ++i) {
    const Opening opening = OpenAndClose(form.Handle());
    std::printf("opening painted=%.3f shown=%.3f\n", opening.painted, opening.shown);
    Settle();
  }
  application.Reset();
  return 0;
}

// Pieces of an opening, each first and then again, in a fresh process: the
// window built (hidden) and destroyed, an empty window of the same frame for
// comparison, and the emblem decoded.
int Parts() {
  pavonet::ui::Application& application = pavonet::ui::Application::Instance();
  application.SetTitle("Pavonet");
  pavonet::ui::TForm1& form = application.CreateForm<pavonet::ui::TForm1>();
  ShowWindow(form.Handle(), SW_SHOWNORMAL);
  Settle();
  const auto firstAndLater = [](const char* name, auto step) {
    std::vector<double> times;
    for (int i = 0; i < 6; ++i) {
      const Stopwatch clock;
      step();
      times.push_back(clock.ElapsedMs());
      Settle();  // what the destroyed window left in the queue, untimed
    }
    std::printf("%s first=%.3f later=%.3f\n", name, times.front(),
                Median(std::vector<double>(times.begin() + 1, times.end())));
  };
  firstAndLater("build", [&] { const pavonet::ui::TAboutBox box(form.Handle()); });
  firstAndLater("bare", [&] {
    // A window of the About window's frame and size with nothing in it.
    const pavonet::ui::UniqueWindow bare(CreateWindowExA(
        WS_EX_DLGMODALFRAME, "STATIC", "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0,
        0, 304, 181, form.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr));
  });
  firstAndLater("decode", [] {
    pavonet::decode_jpeg(pavonet::resources::kEmblemJpeg, pavonet::ScreenColours::full);
  });
  application.Reset();
  return 0;
}

int Drive(int processes, int openings) {
  const std::string self = "\"" + ThisProgram() + "\"";
  std::vector<double> firsts, laters, firstShown, laterShown;
  for (int p = 0; p < processes; ++p) {
    std::istringstream lines(RunAndCapture(self + " --openings " + std::to_string(openings)));
    std::vector<Opening> seen;
    std::string line;
    while (std::getline(lines, line)) {
      Opening o{};
      if (std::sscanf(line.c_str(), "opening painted=%lf shown=%lf", &o.painted, &o.shown) == 2)
        seen.push_back(o);
    }
    if (seen.size() < 2) throw std::runtime_error("too few openings reported");
    std::vector<double> painted, shown;
    for (std::size_t i = 1; i < seen.size(); ++i) {
      painted.push_back(seen[i].painted);
      shown.push_back(seen[i].shown);
    }
    firsts.push_back(seen[0].painted);
    firstShown.push_back(seen[0].shown);
    laters.push_back(Mean(painted));
    laterShown.push_back(Mean(shown));
  }
  PrintSummary("About window", "first opening", Median(firsts), "later openings (mean)",
               Median(laters),
               "menu command to emblem painted, median over " + std::to_string(processes) +
                   " processes of " + std::to_string(openings) + " openings");
  PrintSeries("first opening per process (ms)", firsts);
  PrintSeries("mean of later openings per process (ms)", laters);
  PrintDetail("first opening: command to window visible (median)", Median(firstShown));
  PrintDetail("later openings: command to window visible (median of means)", Median(laterShown));

  std::istringstream parts(RunAndCapture(self + " --parts"));
  std::string line;
  while (std::getline(parts, line)) {
    char name[16] = {};
    double first = 0, later = 0;
    if (std::sscanf(line.c_str(), "%15s first=%lf later=%lf", name, &first, &later) != 3) continue;
    const std::string part = name;
    const std::string what = part == "build"  ? "TAboutBox built, hidden, and destroyed"
                             : part == "bare" ? "empty window of its frame built and destroyed"
                                              : "emblem decoded alone";
    PrintDetail(what + ", first in a process", first);
    PrintDetail(what + ", later (median)", later);
  }
  return 0;
}

int Run(int argc, char** argv) {
  if (argc > 2 && std::strcmp(argv[1], "--openings") == 0) return Openings(std::atoi(argv[2]));
  if (argc > 1 && std::strcmp(argv[1], "--parts") == 0) return Parts();
  const int processes = argc > 1 ? std::atoi(argv[1]) : 5;
  const int openings = argc > 2 ? std::atoi(argv[2]) : 10;
  return Drive(processes, openings);
}

}  // namespace

int main(int argc, char** argv) {
  return pavonet::bench::RunReporting("about_bench", Run, argc, argv);
}
