#include "bench/statistics.h"

#include <algorithm>
#include <numeric>

namespace pavonet::bench {

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  if (values.size() % 2 == 1) return values[middle];
  return (values[middle - 1] + values[middle]) / 2;
}

double Mean(const std::vector<double>& values) {
  if (values.empty()) return 0;
  return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

double Min(const std::vector<double>& values) {
  if (values.empty()) return 0;
  return *std::min_element(values.begin(), values.end());
}

}  // namespace pavonet::bench
