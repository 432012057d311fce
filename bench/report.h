// What the benchmarks print. One summary line per benchmark, which
// scripts/bench.sh picks out:
//   [name] ours 12.3 ms | baseline 4.5 ms | ratio 2.73 | median of 5
// and any number of detail lines, indented, for docs/performance.md.
#pragma once

#include <string>
#include <vector>

namespace pavonet::bench {

void PrintSummary(const std::string& name, const std::string& ours, double oursMs,
                  const std::string& baseline, double baselineMs, const std::string& how);

// "  label: 12.34 ms"
void PrintDetail(const std::string& label, double ms);
// A detail line with free text.
void PrintNote(const std::string& text);

// Runs a benchmark's body; an exception is reported as "<name>: <what>" on
// stderr and gives exit code 1.
int RunReporting(const char* name, int (*run)(int, char**), int argc, char** argv);

// Every value of a series, for the log: "  label: 1.2 3.4 ..."
void PrintSeries(const std::string& label, const std::vector<double>& values);

}  // namespace pavonet::bench
