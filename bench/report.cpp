#include "bench/report.h"

#include <cstdio>
#include <exception>

namespace pavonet::bench {

void PrintSummary(const std::string& name, const std::string& ours, double oursMs,
                  const std::string& baseline, double baselineMs, const std::string& how) {
  std::printf("[%s] %s %.2f ms | %s %.2f ms | ratio %.2f | %s\n", name.c_str(), ours.c_str(),
              oursMs, baseline.c_str(), baselineMs, baselineMs > 0 ? oursMs / baselineMs : 0.0,
              how.c_str());
  std::fflush(stdout);
}

void PrintDetail(const std::string& label, double ms) {
  std::printf("  %s: %.3f ms\n", label.c_str(), ms);
  std::fflush(stdout);
}

void PrintNote(const std::string& text) {
  std::printf("  %s\n", text.c_str());
  std::fflush(stdout);
}

void PrintSeries(const std::string& label, const std::vector<double>& values) {
  std::printf("  %s:", label.c_str());
  for (const double value : values)
    std::printf(" %.2f", value);
  std::printf("\n");
  std::fflush(stdout);
}

int RunReporting(const char* name, int (*run)(int, char**), int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", name, e.what());
    return 1;
  }
}

}  // namespace pavonet::bench
