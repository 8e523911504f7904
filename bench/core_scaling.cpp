// How the portable core's work grows with the list: parsing a list file into the entry store,
// and normalising a list text of the same lines, at 1k, 10k, 100k and 1M entries. Native; the
// median of several runs (more at small sizes).
//   core_scaling [SIZE...]
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "bench_table.h"
#include "list/list_parse.h"
#include "list/normalize.h"
#include "list_generator.h"

namespace {

double Now() {
  using Clock = std::chrono::steady_clock;
  return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

// The file's bytes are handed over as a load hands over what it read; the copy is not timed.
double TimeParse(const std::string& file, int32_t entries) {
  std::string bytes = file;
  EntryStore store;
  double start = Now();
  int32_t parsed = ParseListText(std::move(bytes), LineEnds::kCrLf, store);
  double seconds = Now() - start;
  if (parsed != entries) std::fprintf(stderr, "core_scaling: parsed %d of %d\n", parsed, entries);
  return seconds;
}

double TimeNormalize(const std::string& text) {
  double start = Now();
  NormalizedText normalized = NormalizeText(text);
  double seconds = Now() - start;
  if (normalized.text.empty()) std::fprintf(stderr, "core_scaling: nothing normalised\n");
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int32_t> sizes = ListSizesFromArguments(argc, argv);
  std::vector<TimedOperation> operations = {{"ParseListText (file text to entry store)", {}},
                                            {"NormalizeText (edited text, same lines)", {}}};
  for (int32_t entries : sizes) {
    const std::string file = MakeListFile(entries);
    std::vector<double> parse, normalize;
    for (int run = 0; run < RepeatsFor(entries) + 2; ++run) {
      parse.push_back(TimeParse(file, entries));
      normalize.push_back(TimeNormalize(file));
    }
    operations[0].seconds.push_back(Median(parse));
    operations[1].seconds.push_back(Median(normalize));
  }
  PrintScalingTable(sizes, operations);
  return 0;
}
