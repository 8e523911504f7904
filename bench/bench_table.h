// Timing tables of the scaling benchmarks: the median time of each operation at each list
// size, and the growth factor from each size to the next. Portable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The list sizes measured when none are given on the command line.
std::vector<int32_t> DefaultListSizes();

// Sizes from command-line arguments ("1000 10000 ..."); the defaults when there are none.
// Arguments that are not positive numbers are skipped.
std::vector<int32_t> ListSizesFromArguments(int argc, char** argv);

// How often an operation is timed at a size: small sizes are repeated for stable figures.
int RepeatsFor(int32_t entries);

double Median(std::vector<double> values);

// One operation: its median time in seconds at each size, in the order of the sizes.
struct TimedOperation {
  std::string name;
  std::vector<double> seconds;
};

// Prints a Markdown table: one row per operation, milliseconds per size, then the growth factor
// from each size to the next.
void PrintScalingTable(const std::vector<int32_t>& sizes,
                       const std::vector<TimedOperation>& operations);

// "1k", "10k", "1M" and so on; the plain number otherwise.
std::string SizeLabel(int32_t entries);
