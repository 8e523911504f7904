// Speed of the portable list core: parsing a large list file, normalising a large list text,
// and the linear normaliser against the literal pair-wise pass.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <string>
#include <vector>

#include "list/list_format.h"
#include "list/list_parse.h"
#include "list/normalize.h"
#include "list_generator.h"
#include "list_reference.h"

namespace {

const std::string& ListFileOf(int entries) {
  static std::string million = MakeListFile(1'000'000);
  static std::string small = MakeListFile(20'000);
  return entries == 1'000'000 ? million : small;
}

void SetParseRate(benchmark::State& state, const std::string& file) {
  state.counters["MB/s"] = benchmark::Counter(static_cast<double>(file.size()) / 1e6,
                                              benchmark::Counter::kIsIterationInvariantRate);
}

// A first load: the file's bytes are moved into an empty store, as the load hands over what it
// read. Copying the bytes beforehand and freeing the store afterwards are left out of the time.
void BM_ParseListFile(benchmark::State& state) {
  const std::string& file = ListFileOf(1'000'000);
  for (auto _ : state) {
    state.PauseTiming();
    std::string bytes = file;
    EntryStore store;
    state.ResumeTiming();
    benchmark::DoNotOptimize(ParseListText(std::move(bytes), LineEnds::kCrLf, store));
    state.PauseTiming();
    store = EntryStore();
    state.ResumeTiming();
  }
  SetParseRate(state, file);
  state.SetLabel("1M entries into an empty store, target >= 500 MB/s");
}

// A reload, as after every save: the store still holds the previous load's entries.
void BM_ReloadListFile(benchmark::State& state) {
  const std::string& file = ListFileOf(1'000'000);
  EntryStore store;
  ParseListText(file, LineEnds::kCrLf, store);
  for (auto _ : state) {
    state.PauseTiming();
    std::string bytes = file;
    state.ResumeTiming();
    benchmark::DoNotOptimize(ParseListText(std::move(bytes), LineEnds::kCrLf, store));
  }
  SetParseRate(state, file);
  state.SetLabel("1M entries over the previous load");
}

// The parser's own work without storing anything: finding the lines, testing them and
// splitting their fields. The difference to the loads above is the cost of the strings.
void BM_ScanListFile(benchmark::State& state) {
  const std::string& file = ListFileOf(1'000'000);
  for (auto _ : state) {
    size_t fieldBytes = 0;
    ForEachFileLine(ReadableBytes(file), LineEnds::kCrLf, [&fieldBytes](std::string_view line) {
      if (!IsEntryLine(line)) return;
      EntryFields fields = SplitEntryFields(line);
      fieldBytes += fields.url.size() + fields.name.size();
    });
    benchmark::DoNotOptimize(fieldBytes);
  }
  SetParseRate(state, file);
  state.SetLabel("lines and fields only, nothing stored");
}

void BM_NormalizeText(benchmark::State& state) {
  const std::string& text = ListFileOf(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(NormalizeText(text));
  if (state.range(0) == 1'000'000) state.SetLabel("target <= 300 ms");
}

void BM_PairwiseNormalizeText(benchmark::State& state) {
  const std::string& text = ListFileOf(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(reference::NormalizeText(text));
}

BENCHMARK(BM_ParseListFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadListFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanListFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalizeText)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalizeText)->Arg(20'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PairwiseNormalizeText)->Arg(20'000)->Unit(benchmark::kMillisecond)->Iterations(3);

bool SameResult(const NormalizedText& a, const NormalizedText& b) {
  return a.text == b.text && a.duplicateTally == b.duplicateTally &&
         a.firstDuplicatePiece == b.firstDuplicatePiece;
}

// Best of three runs, in seconds.
template <typename Run>
double BestSeconds(Run&& run) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    auto start = std::chrono::steady_clock::now();
    run();
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

// The two normalisers must agree before their speeds are worth comparing.
int CompareNormalizersAt20k() {
  const std::string& text = ListFileOf(20'000);
  NormalizedText fast = NormalizeText(text);
  NormalizedText literal = reference::NormalizeText(text);
  if (!SameResult(fast, literal)) {
    std::fprintf(stderr, "20k lines: the normalisers disagree\n");
    return 1;
  }
  double fastSeconds = BestSeconds([&] { benchmark::DoNotOptimize(NormalizeText(text)); });
  double literalSeconds =
      BestSeconds([&] { benchmark::DoNotOptimize(reference::NormalizeText(text)); });
  std::printf(
      "20k lines: same output (tally %d); pair-wise %.1f ms, linear %.2f ms, %.0fx faster "
      "(target >= 100x)\n",
      fast.duplicateTally, literalSeconds * 1e3, fastSeconds * 1e3, literalSeconds / fastSeconds);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return CompareNormalizersAt20k();
}
