// 10,000 names dropped on the main window: WM_DROPFILES sent to a real
// TForm1 against LB_ADDSTRING of the same names into a bare list box, in one
// run.
//
// Two scenes. With the windows not shown, 10,000 names: the work of the
// code itself, with DragQueryFileA timed alone at growing drop sizes. With
// them shown, until repainted, fewer names: under Wine a shown list box
// repaints its scroll bar on every row it gains, which costs milliseconds
// per row (10,000 names would take minutes), so this scene gives the cost
// per name, with the bare list box also widening its scroll extent per name
// as TForm1 does.
//   drop_bench [REPETITIONS [NAMES [SHOWN_NAMES]]]   (3, 10000, 30)
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bare_list.h"
#include "bench/messages.h"
#include "bench/notice_watch.h"
#include "bench/report.h"
#include "bench/shell_drop.h"
#include "bench/statistics.h"
#include "bench/stopwatch.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/unit1.h"

namespace {

using namespace pavonet::bench;

std::vector<std::string> Names(int count) {
  std::vector<std::string> names;
  char name[MAX_PATH];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "C:\\Program Files\\Tools %04d\\bin\\tool%04d.exe", i / 10, i);
    names.emplace_back(name);
  }
  return names;
}

void Repaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ExpectRows(HWND list, std::size_t count, const char* what) {
  if (SendMessageA(list, LB_GETCOUNT, 0, 0) != static_cast<LRESULT>(count))
    throw std::runtime_error(std::string(what) + ": the list does not hold every name");
}

// The bare list box, doing what the given steps do per name.
struct BareSteps {
  bool readDrop;  // names from DragQueryFileA (length first, then the name)
  bool widen;     // GetClientRect + LB_SETHORIZONTALEXTENT after each row
};

double DropOnBareList(const std::vector<std::string>& names, BareSteps steps, bool shown) {
  const BareList bare(shown);
  Settle();
  GlobalMemory memory = MakeDrop(names);
  const Stopwatch clock;
  if (steps.readDrop) {
    const pavonet::ui::UniqueDrop drop(static_cast<HDROP>(memory.Release()));
    const UINT count = DragQueryFileA(drop.Get(), 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      const UINT length = DragQueryFileA(drop.Get(), i, nullptr, 0);
      std::string name(length + 1, '\0');
      name.resize(DragQueryFileA(drop.Get(), i, name.data(), length + 1));
      SendMessageA(bare.List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
      if (steps.widen) {
        RECT client;
        GetClientRect(bare.List(), &client);
        SendMessageA(bare.List(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(client.right * 2), 0);
      }
    }
  } else {
    for (const std::string& name : names)
      SendMessageA(bare.List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  Repaint(bare.Host());
  const double elapsed = clock.ElapsedMs();
  ExpectRows(bare.List(), names.size(), "bare list box");
  return elapsed;
}

double DropOnMainWindow(const std::vector<std::string>& names, bool shown) {
  pavonet::ui::Application& application = pavonet::ui::Application::Instance();
  pavonet::ui::TForm1& form = application.CreateForm<pavonet::ui::TForm1>();
  if (shown) ShowWindow(form.Handle(), SW_SHOWNORMAL);
  Settle();
  const NoticeWatch notices;
  GlobalMemory drop = MakeDrop(names);
  const Stopwatch clock;
  SendMessageA(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop.Release()), 0);
  Repaint(form.Handle());
  const double elapsed = clock.ElapsedMs();
  ExpectRows(form.ListBox1.Handle(), names.size(), "TForm1");
  if (notices.Count() != 0) throw std::runtime_error("a message window came up");
  application.Reset();
  Settle();
  return elapsed;
}

struct Variant {
  std::string label;
  std::function<double(const std::vector<std::string>&, bool)> run;
  std::vector<double> samples;
};

// Runs the variants `repetitions` times, interleaved, after a warm-up round
// on a small drop; returns them with their samples.
std::vector<Variant> Measure(std::vector<Variant> variants, const std::vector<std::string>& names,
                             bool shown, int repetitions) {
  const std::vector<std::string> warmUp(
      names.begin(), names.begin() + std::min<std::ptrdiff_t>(20, std::ssize(names)));
  for (Variant& variant : variants)
    variant.run(warmUp, shown);
  for (int i = 0; i < repetitions; ++i)
    for (Variant& variant : variants)
      variant.samples.push_back(variant.run(names, shown));
  return variants;
}

const Variant kBare{"bare list box, LB_ADDSTRING",
                    [](const auto& n, bool s) {
                      return DropOnBareList(n, {false, false}, s);
                    },
                    {}};
const Variant kWiden{"+ horizontal extent per name",
                     [](const auto& n, bool s) {
                       return DropOnBareList(n, {true, true}, s);
                     },
                     {}};
const Variant kOurs{
    "TForm1, WM_DROPFILES", [](const auto& n, bool s) { return DropOnMainWindow(n, s); }, {}};

// DragQueryFileA alone over a drop of `count` names: how its cost grows.
double ReadDrop(int count) {
  const std::vector<std::string> names = Names(count);
  const pavonet::ui::UniqueDrop drop(static_cast<HDROP>(MakeDrop(names).Release()));
  const Stopwatch clock;
  char name[MAX_PATH];
  const UINT total = DragQueryFileA(drop.Get(), 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < total; ++i) {
    DragQueryFileA(drop.Get(), i, nullptr, 0);
    DragQueryFileA(drop.Get(), i, name, MAX_PATH);
  }
  return clock.ElapsedMs();
}

void PrintVariants(const std::string& scene, const std::vector<Variant>& variants,
                   std::size_t names) {
  PrintNote(scene + ":");
  for (const Variant& variant : variants) {
    const double median = Median(variant.samples);
    char line[256];
    std::snprintf(line, sizeof line, "  %s: %.2f ms (%.1f us per name)", variant.label.c_str(),
                  median, median * 1000.0 / static_cast<double>(names));
    PrintNote(line);
    PrintSeries("    samples (ms)", variant.samples);
  }
}

int Run(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 3;
  const int count = argc > 2 ? std::atoi(argv[2]) : 10000;
  const int shownCount = argc > 3 ? std::atoi(argv[3]) : 30;
  pavonet::ui::Application::Instance().SetTitle("Pavonet");

  const std::vector<std::string> names = Names(count);
  const std::vector<Variant> hidden = Measure({kBare, kOurs}, names, false, repetitions);
  const std::vector<Variant> shown =
      Measure({kBare, kWiden, kOurs}, Names(shownCount), true, repetitions);

  const double shownOurs = Median(shown.back().samples);
  const double shownBare = Median(shown.front().samples);
  char how[256];
  std::snprintf(how, sizeof how,
                "windows not shown, median of %d; shown, %d names: %.1f / %.1f ms per name, "
                "ratio %.2f",
                repetitions, shownCount, shownOurs / shownCount, shownBare / shownCount,
                shownOurs / shownBare);
  PrintSummary("drop " + std::to_string(count) + " names", "TForm1 WM_DROPFILES",
               Median(hidden.back().samples), "bare LB_ADDSTRING", Median(hidden.front().samples),
               how);
  PrintVariants(std::to_string(count) + " names, windows not shown", hidden,
                static_cast<std::size_t>(count));
  PrintVariants(std::to_string(shownCount) + " names, windows shown, until repainted", shown,
                static_cast<std::size_t>(shownCount));
  // The names read alone, at sizes up to the drop's: a walk from the start
  // of the list per name quadruples its time when the names double.
  std::string growth = "DragQueryFileA alone (length, then name):";
  for (int n = count / 8; n <= count && n > 0; n *= 2) {
    char part[64];
    std::snprintf(part, sizeof part, " %d names %.1f ms;", n, ReadDrop(n));
    growth += part;
  }
  PrintNote(growth);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return pavonet::bench::RunReporting("drop_bench", Run, argc, argv);
}
