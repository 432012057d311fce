// 1,000 manifests written by the all-entries command: TForm1::Button5Click
// over 1,000 entries whose manifests do not exist, until its "done" notice
// comes up (answered at once), against CreateFileA(CREATE_ALWAYS), one
// WriteFile of the same 608 bytes and CloseHandle per file; both over the
// whole batch, alternately.
//
// Then what each of the program's extra steps costs: the baseline with the
// steps added one at a time, all of them on the same file one after the
// other (in turn, deleting the file in between), file by file through the
// folder (every fourth file), so each meets the same folder and the same
// moment's load.
//   write_bench [REPETITIONS]   (3)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/messages.h"
#include "bench/notice_watch.h"
#include "bench/program_folder.h"
#include "bench/report.h"
#include "bench/statistics.h"
#include "bench/stopwatch.h"
#include "bench/write_steps.h"
#include "manifest/manifest_document.h"
#include "ui/application.h"
#include "ui/unit1.h"

namespace {

using namespace pavonet::bench;

constexpr int kFiles = 1000;
// The steps are compared on every fourth file: deleting a written file costs
// as much as writing it, and each comparison deletes it four times.
constexpr std::size_t kStepsEvery = 4;

void ExpectManifests(const ProgramFolder& folder, const std::string& document, int count,
                     const std::string& what) {
  if (folder.CountManifests(document.size()) != count)
    throw std::runtime_error(what + ": not every manifest is there");
}

// The whole batch, each way in turn. Returns the baseline's median.
double CompareBatches(pavonet::ui::TForm1& form, const ProgramFolder& folder,
                      const std::string& document, int repetitions) {
  std::vector<double> baseline, toNotice, toReturn;
  for (int i = 0; i < repetitions; ++i) {
    folder.RemoveManifests();
    Settle();
    const Stopwatch bare;
    WriteManifests(folder.Programs(), folder.Manifests(), document, {});
    const double bareMs = bare.ElapsedMs();
    ExpectManifests(folder, document, kFiles, "baseline");

    folder.RemoveManifests();
    Settle();
    const NoticeWatch notice;
    const Stopwatch ours;
    form.Button5Click();
    const double returnedMs = ours.ElapsedMs();
    if (notice.Count() != 1) throw std::runtime_error("Button5Click: not one notice");
    ExpectManifests(folder, document, kFiles, "Button5Click");
    baseline.push_back(bareMs);
    toNotice.push_back(notice.FirstAtMs() - ours.StartMs());
    toReturn.push_back(returnedMs);
  }
  PrintSummary("write 1,000 manifests", "Button5Click", Median(toNotice),
               "CreateFile+WriteFile+CloseHandle", Median(baseline),
               "to the done notice, median of " + std::to_string(repetitions));
  PrintSeries("Button5Click to the notice (ms)", toNotice);
  PrintSeries("baseline (ms)", baseline);
  PrintDetail("Button5Click until it returns, notice answered at once (median)", Median(toReturn));
  return Median(baseline);
}

struct Rung {
  std::string label;
  WriteSteps steps;
  std::vector<double> perFile;
};

void CompareSteps(const ProgramFolder& folder, const std::string& document) {
  std::vector<Rung> rungs = {
      {"CreateFileA + one WriteFile + CloseHandle", {}, {}},
      {"+ probe (FindFirstFileA, no manifest there)", {true}, {}},
      {"+ PE header read (2 x open, seek, read, close)", {true, true}, {}},
      {"+ close after create, reopen, seek to end", {true, true, true}, {}},
      {"+ five 128-byte writes instead of one", {true, true, true, true}, {}},
  };
  folder.RemoveManifests();
  Settle();
  const std::size_t count = rungs.size();
  for (std::size_t i = 0; i < folder.Programs().size(); ++i) {
    const std::string& program = folder.Programs()[i];
    const std::string& manifest = folder.Manifests()[i];
    if (i % kStepsEvery != 0) {  // the others only fill the folder, to save time
      WriteManifest(program, manifest, document, {});
      continue;
    }
    for (std::size_t k = 0; k < count; ++k) {
      Rung& rung = rungs[(i / kStepsEvery + k) % count];
      const Stopwatch clock;
      WriteManifest(program, manifest, document, rung.steps);
      rung.perFile.push_back(clock.ElapsedMs());
      // The last one stays: the folder fills as the command fills it.
      if (k + 1 < count) DeleteFileA(manifest.c_str());
    }
  }
  ExpectManifests(folder, document, kFiles, "steps");

  PrintNote("each step, on every fourth file of the 1,000, in turn (median per file; total):");
  double previous = 0;
  for (const Rung& rung : rungs) {
    const double median = Median(rung.perFile) * 1000.0;
    double total = 0;
    for (const double ms : rung.perFile)
      total += ms;
    char line[256];
    std::snprintf(line, sizeof line, "  %s: %.0f us per file (%+.0f us), %.0f ms for %zu files",
                  rung.label.c_str(), median, previous > 0 ? median - previous : 0.0, total,
                  rung.perFile.size());
    PrintNote(line);
    previous = median;
  }
}

// The writes alone, in manifests already there: too small a difference for
// the comparison above to show.
void CompareWrites(const ProgramFolder& folder, const std::string& document) {
  std::vector<double> whole, pieces;
  for (std::size_t i = 0; i < folder.Manifests().size(); i += kStepsEvery) {
    const WriteTimes times = TimeWrites(folder.Manifests()[i], document);
    whole.push_back(times.whole * 1000.0);
    pieces.push_back(times.pieces * 1000.0);
  }
  char line[160];
  std::snprintf(
      line, sizeof line,
      "writes alone (median per file): one of 608 bytes %.1f us, five of 128 bytes %.1f us",
      Median(whole), Median(pieces));
  PrintNote(line);
}

// The baseline in a folder of 100 programs, against the same in the folder
// of 1,000: how the folder's size weighs on each file.
void CompareFolderSizes(const std::string& document, double thousandMs) {
  constexpr int kFew = 100;
  const ProgramFolder folder(kFew);
  std::vector<double> samples;
  for (int i = 0; i < 3; ++i) {
    folder.RemoveManifests();
    const Stopwatch clock;
    WriteManifests(folder.Programs(), folder.Manifests(), document, {});
    samples.push_back(clock.ElapsedMs());
  }
  char line[160];
  std::snprintf(line, sizeof line,
                "baseline per file: %.0f us with %d programs in the folder, %.0f us with %d",
                Median(samples) * 1000.0 / kFew, kFew, thousandMs * 1000.0 / kFiles, kFiles);
  PrintNote(line);
}

int Run(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 3;
  const std::string document = pavonet::ManifestDocument(pavonet::ProcessorArchitecture::X86);
  if (document.size() != 608) throw std::runtime_error("the document is not 608 bytes");

  pavonet::ui::Application& application = pavonet::ui::Application::Instance();
  application.SetTitle("Pavonet");
  double baselineMs = 0;
  {
    const ProgramFolder folder(kFiles);
    pavonet::ui::TForm1& form = application.CreateForm<pavonet::ui::TForm1>();
    // Filled before it is shown: under Wine a shown list box repaints its
    // scroll bar for every row it gains.
    for (const std::string& program : folder.Programs())
      form.ListBox1.Append(program);
    ShowWindow(form.Handle(), SW_SHOWNORMAL);
    Settle();
    baselineMs = CompareBatches(form, folder, document, repetitions);
    CompareSteps(folder, document);
    CompareWrites(folder, document);
    application.Reset();
  }
  CompareFolderSizes(document, baselineMs);

  const Stopwatch beep;
  MessageBeep(MB_ICONASTERISK);
  PrintDetail("MessageBeep (played before the notice)", beep.ElapsedMs());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return pavonet::bench::RunReporting("write_bench", Run, argc, argv);
}
