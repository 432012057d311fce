// Start-up: from CreateProcess to the main window visible, for Pavonet and
// for the bare window program, launched alternately in the same run. Then
// the parts of it, from startup_parts.
//   startup_bench PAVONET BARE_WINDOW BARE_WINDOW_IMPORTS STARTUP_PARTS [RUNS]
// (Windows paths).
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/child_output.h"
#include "bench/launch.h"
#include "bench/report.h"
#include "bench/statistics.h"

namespace {

using namespace pavonet::bench;

struct Program {
  std::string label;
  std::string commandLine;
  std::string windowClass;
  std::vector<double> samples;
};

struct Parts {
  std::vector<double> loader, create, show, paint;
};

Parts MeasureParts(const std::string& partsProgram, const char* mode, int runs) {
  Parts parts;
  for (int i = 0; i < runs; ++i) {
    const std::string line = RunAndCapture("\"" + partsProgram + "\" " + mode);
    double loader = 0, create = 0, show = 0, paint = 0;
    if (std::sscanf(line.c_str(), "loader=%lf create=%lf show=%lf paint=%lf", &loader, &create,
                    &show, &paint) != 4)
      throw std::runtime_error("startup_parts said: " + line);
    parts.loader.push_back(loader);
    parts.create.push_back(create);
    parts.show.push_back(show);
    parts.paint.push_back(paint);
  }
  return parts;
}

void PrintParts(const std::string& label, const Parts& parts) {
  char line[256];
  std::snprintf(line, sizeof line,
                "%s (in process, median): loader %.2f ms, create %.2f ms, show %.2f ms, "
                "first paint %.2f ms",
                label.c_str(), Median(parts.loader), Median(parts.create), Median(parts.show),
                Median(parts.paint));
  PrintNote(line);
}

int Run(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr,
                 "usage: startup_bench PAVONET BARE_WINDOW BARE_WINDOW_IMPORTS STARTUP_PARTS "
                 "[RUNS]\n");
    return 2;
  }
  const int runs = argc > 5 ? std::atoi(argv[5]) : 10;
  std::vector<Program> programs = {
      {"Pavonet", "\"" + std::string(argv[1]) + "\"", "TForm1", {}},
      {"bare window", "\"" + std::string(argv[2]) + "\"", "BareWindow", {}},
      {"bare window + Pavonet's DLLs", "\"" + std::string(argv[3]) + "\"", "BareWindow", {}},
  };

  for (Program& program : programs)  // warm-up: file cache, wineserver
    TimeToVisibleWindow(program.commandLine, program.windowClass);
  for (int i = 0; i < runs; ++i) {
    // A different one goes first each round, so none always follows another.
    for (std::size_t k = 0; k < programs.size(); ++k) {
      Program& program = programs[(k + static_cast<std::size_t>(i)) % programs.size()];
      program.samples.push_back(TimeToVisibleWindow(program.commandLine, program.windowClass));
    }
  }

  const double ours = Median(programs[0].samples);
  const double bare = Median(programs[1].samples);
  const double imports = Median(programs[2].samples);
  PrintSummary("start-up", "Pavonet", ours, "bare window", bare,
               "process start to main window visible, median of " + std::to_string(runs));
  for (const Program& program : programs) {
    PrintSeries(program.label + " (ms)", program.samples);
    PrintDetail(program.label + ", fastest", Min(program.samples));
  }
  PrintDetail("bare window importing Pavonet's DLLs (median)", imports);
  PrintDetail("of which the extra DLLs (imports - bare, medians)", imports - bare);
  PrintDetail("of which the extra DLLs (imports - bare, fastest)",
              Min(programs[2].samples) - Min(programs[1].samples));
  PrintDetail("Pavonet beyond the same DLLs (ours - imports, medians)", ours - imports);
  PrintDetail("Pavonet beyond the same DLLs (ours - imports, fastest)",
              Min(programs[0].samples) - Min(programs[2].samples));

  const int partRuns = runs / 3 > 3 ? runs / 3 : 3;
  PrintParts("TForm1", MeasureParts(argv[4], "form", partRuns));
  PrintParts("bare window", MeasureParts(argv[4], "window", partRuns));
  PrintParts("main window's font alone", MeasureParts(argv[4], "font", partRuns));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return pavonet::bench::RunReporting("startup_bench", Run, argc, argv);
}
