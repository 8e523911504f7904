// The normaliser's table of URLs against the standard one: NormalizeText as built, and the same
// normalisation with std::unordered_map keyed by std::string_view, reserved to the number of
// pieces. Both get the same list texts (1k to 1M lines); the two must give the same result
// before their times are worth comparing. BENCHMARKS.md gives the command and the figures.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "list/list_format.h"
#include "list/list_text.h"
#include "list/normalize.h"
#include "list_generator.h"

namespace {

constexpr uint64_t kTallyLimit = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());

struct Piece {
  std::string_view url;
  std::string_view name;
};

// The normaliser's steps, with the standard table in the middle.
NormalizedText NormalizeWithStandardMap(std::string_view listText) {
  size_t count = 0;
  ForEachPiece(listText, [&count](std::string_view) { ++count; });
  std::vector<Piece> pieces;
  pieces.reserve(count);
  ForEachPiece(listText, [&pieces](std::string_view piece) {
    EntryFields fields = SplitEntryFields(piece);
    pieces.push_back({fields.url, fields.name});
  });

  NormalizedText result;
  std::unordered_map<std::string_view, uint32_t> seen;
  seen.reserve(pieces.size());
  uint64_t tally = 0;
  for (size_t i = pieces.size(); i-- > 0;) {
    uint32_t& occurrences = seen[pieces[i].url];
    if (occurrences > 0) {
      tally = std::min(kTallyLimit, tally + occurrences);
      pieces[i].url = {};
      result.firstDuplicatePiece = static_cast<int32_t>(std::min<uint64_t>(i + 1, kTallyLimit));
    }
    if (occurrences < std::numeric_limits<uint32_t>::max()) ++occurrences;
  }
  result.duplicateTally = static_cast<int32_t>(tally);

  result.text.reserve(listText.size() + pieces.size() + 2);
  for (const Piece& piece : pieces) {
    if (piece.url.empty()) continue;
    AppendEntryLine(result.text, piece.url, piece.name);
    result.text.append("\r\n");
  }
  return result;
}

const std::string& ListOf(int64_t entries) {
  static std::map<int64_t, std::string> lists;
  auto found = lists.find(entries);
  if (found == lists.end()) {
    found = lists.emplace(entries, MakeListFile(static_cast<int32_t>(entries))).first;
  }
  return found->second;
}

void BM_HandWrittenTable(benchmark::State& state) {
  const std::string& text = ListOf(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(NormalizeText(text));
}

void BM_StandardMap(benchmark::State& state) {
  const std::string& text = ListOf(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(NormalizeWithStandardMap(text));
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  for (int64_t entries : {1'000, 10'000, 100'000, 1'000'000}) benchmark->Arg(entries);
  benchmark->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_HandWrittenTable)->Apply(Sizes);
BENCHMARK(BM_StandardMap)->Apply(Sizes);

bool BothAgree() {
  for (int64_t entries : {1'000, 10'000, 100'000, 1'000'000}) {
    NormalizedText built = NormalizeText(ListOf(entries));
    NormalizedText standard = NormalizeWithStandardMap(ListOf(entries));
    if (built.text != standard.text || built.duplicateTally != standard.duplicateTally ||
        built.firstDuplicatePiece != standard.firstDuplicatePiece) {
      std::fprintf(stderr, "%lld lines: the two normalisations disagree\n",
                   static_cast<long long>(entries));
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!BothAgree()) return 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
