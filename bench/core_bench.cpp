// Speed of the portable list core: parsing a large list file, normalising a large list text,
// and the linear normaliser against the literal pair-wise pass.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "list/list_format.h"
#include "list/list_parse.h"
#include "list/normalize.h"
#include "list_reference.h"

namespace {

// Deterministic pseudo-random numbers (a 64-bit LCG), so every run measures the same bytes.
uint32_t NextRandom(uint64_t& state) {
  state = state * 6364136223846793005ull + 1442695040888963407ull;
  return static_cast<uint32_t>(state >> 33);
}

const char* const kHosts[] = {"www.example",  "news.example",    "docs.example",   "shop.example",
                              "blog.example", "library.example", "museum.example", "forum.example"};
const char* const kWords[] = {"research", "daily",   "archive", "guide", "reference", "weather",
                              "music",    "recipes", "travel",  "maps",  "science",   "history"};

template <typename Array>
const char* Pick(const Array& words, uint64_t& state) {
  return words[NextRandom(state) % (sizeof words / sizeof words[0])];
}

std::string MakeUrl(uint64_t& state, int entry) {
  std::string url = "https://";
  url += Pick(kHosts, state);
  url += std::to_string(entry % 9973);
  url += ".org/";
  url += Pick(kWords, state);
  url += "/";
  url += Pick(kWords, state);
  url += "?id=" + std::to_string(entry);
  return url;
}

// A list file as a user might keep it: "URL, name" lines ended by CR LF, a comment line every
// 50 entries, a blank line every 100 and a repeated URL every 200.
std::string MakeListFile(int entries) {
  uint64_t state = 2024;
  std::string file;
  std::vector<std::string> someUrls;
  for (int entry = 0; entry < entries; ++entry) {
    if (entry % 50 == 0) file += "# section " + std::to_string(entry / 50) + "\r\n";
    if (entry % 100 == 99) file += "\r\n";
    std::string url = (entry % 200 == 199) ? someUrls[NextRandom(state) % someUrls.size()]
                                           : MakeUrl(state, entry);
    if (entry % 64 == 0) someUrls.push_back(url);
    file += url + ", " + Pick(kWords, state) + " " + Pick(kWords, state) + " " +
            std::to_string(entry) + "\r\n";
  }
  return file;
}

const std::string& ListFileOf(int entries) {
  static std::string million = MakeListFile(1'000'000);
  static std::string small = MakeListFile(20'000);
  return entries == 1'000'000 ? million : small;
}

void SetParseRate(benchmark::State& state, const std::string& file) {
  state.counters["MB/s"] = benchmark::Counter(static_cast<double>(file.size()) / 1e6,
                                              benchmark::Counter::kIsIterationInvariantRate);
}

// A first load: the URL and name arrays start empty. Freeing them afterwards is not parsing and
// is left out of the time.
void BM_ParseListFile(benchmark::State& state) {
  const std::string& file = ListFileOf(1'000'000);
  for (auto _ : state) {
    std::vector<std::string> urls, names;
    benchmark::DoNotOptimize(ParseListBytes(file, urls, names));
    state.PauseTiming();
    urls = {};
    names = {};
    state.ResumeTiming();
  }
  SetParseRate(state, file);
  state.SetLabel("1M entries into empty arrays, target >= 500 MB/s");
}

// A reload, as after every save: the arrays still hold the previous load's entries.
void BM_ReloadListFile(benchmark::State& state) {
  const std::string& file = ListFileOf(1'000'000);
  std::vector<std::string> urls, names;
  ParseListBytes(file, urls, names);
  for (auto _ : state) benchmark::DoNotOptimize(ParseListBytes(file, urls, names));
  SetParseRate(state, file);
  state.SetLabel("1M entries over the previous load");
}

// The parser's own work without storing anything: finding the lines, testing them and
// splitting their fields. The difference to the loads above is the cost of the strings.
void BM_ScanListFile(benchmark::State& state) {
  const std::string& file = ListFileOf(1'000'000);
  for (auto _ : state) {
    size_t fieldBytes = 0;
    ForEachFileLine(ReadableBytes(file), [&fieldBytes](std::string_view line) {
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
