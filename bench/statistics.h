// Summaries of repeated measurements.
#pragma once

#include <vector>

namespace pavonet::bench {

// The middle value (the mean of the two middle ones for an even count); 0
// for no values.
double Median(std::vector<double> values);

double Mean(const std::vector<double>& values);

// The smallest value: on a busy machine, the run least disturbed. 0 for none.
double Min(const std::vector<double>& values);

}  // namespace pavonet::bench
