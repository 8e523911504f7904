#include "bench_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

std::vector<int32_t> DefaultListSizes() {
  return {1'000, 10'000, 100'000, 1'000'000};
}

std::vector<int32_t> ListSizesFromArguments(int argc, char** argv) {
  std::vector<int32_t> sizes;
  for (int i = 1; i < argc; ++i) {
    long value = std::strtol(argv[i], nullptr, 10);
    if (value > 0 && value <= 50'000'000) sizes.push_back(static_cast<int32_t>(value));
  }
  return sizes.empty() ? DefaultListSizes() : sizes;
}

int RepeatsFor(int32_t entries) {
  if (entries <= 2'000) return 15;
  if (entries <= 20'000) return 7;
  if (entries <= 200'000) return 3;
  return 1;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  if (values.size() % 2 == 1) return values[middle];
  return (values[middle - 1] + values[middle]) / 2;
}

std::string SizeLabel(int32_t entries) {
  if (entries >= 1'000'000 && entries % 1'000'000 == 0) {
    return std::to_string(entries / 1'000'000) + "M";
  }
  if (entries >= 1'000 && entries % 1'000 == 0) return std::to_string(entries / 1'000) + "k";
  return std::to_string(entries);
}

namespace {

void PrintHeader(const std::vector<int32_t>& sizes) {
  std::printf("| operation |");
  for (int32_t size : sizes) std::printf(" %s (ms) |", SizeLabel(size).c_str());
  for (size_t i = 1; i < sizes.size(); ++i) {
    std::printf(" %s->%s |", SizeLabel(sizes[i - 1]).c_str(), SizeLabel(sizes[i]).c_str());
  }
  std::printf("\n|---|");
  for (size_t i = 0; i + 1 < 2 * sizes.size(); ++i) std::printf("---:|");
  std::printf("\n");
}

void PrintRow(const TimedOperation& operation) {
  std::printf("| %s |", operation.name.c_str());
  for (double seconds : operation.seconds) std::printf(" %.2f |", seconds * 1e3);
  for (size_t i = 1; i < operation.seconds.size(); ++i) {
    double before = operation.seconds[i - 1];
    if (before > 0) {
      std::printf(" %.1fx |", operation.seconds[i] / before);
    } else {
      std::printf(" - |");
    }
  }
  std::printf("\n");
}

}  // namespace

void PrintScalingTable(const std::vector<int32_t>& sizes,
                       const std::vector<TimedOperation>& operations) {
  PrintHeader(sizes);
  for (const TimedOperation& operation : operations) PrintRow(operation);
  std::fflush(stdout);
}
