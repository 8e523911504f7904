#include "list/normalize.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "list/list_format.h"
#include "list/list_parse.h"
#include "list/list_text.h"
#include "list_reference.h"
#include "random_list_text.h"
#include "stored_entries.h"

namespace {

struct NormalizeCase {
  const char* what;
  std::string text;
  std::string expected;
  int32_t tally;
  int32_t firstDuplicatePiece;
};

TEST(NormalizeText, DropsBlankPiecesAndEarlierDuplicates) {
  const NormalizeCase cases[] = {
      {"later duplicate wins, keeps its own name", "P, Two\r\nQ, One\r\nR, Four\r\nQ, Three\r\n",
       "P, Two\r\nR, Four\r\nQ, Three\r\n", 1, 2},
      {"one blank line pairs with the empty last piece", "a\r\n\r\nb\r\n", "a\r\nb\r\n", 1, 2},
      {"two blank lines and the last piece: three pairs", "a\r\n\r\n\r\nb\r\n", "a\r\nb\r\n", 3, 2},
      {"lines of blanks and lines starting with a comma have empty URLs", "a\r\n   \r\n, x\r\n",
       "a\r\n", 3, 2},
      {"no final CR LF: no empty piece", "a\r\n\r\nb", "a\r\nb\r\n", 0, 0},
      {"a URL three times adds three pairs", "a, 1\r\na, 2\r\na, 3", "a, 3\r\n", 3, 1},
      {"first pair in pass order", "x\r\nb\r\na\r\nb\r\na", "x\r\nb\r\na\r\n", 2, 2},
      {"letter case and trailing slash make different URLs", "http://a\r\nHTTP://a\r\nhttp://a/",
       "http://a\r\nHTTP://a\r\nhttp://a/\r\n", 0, 0},
      {"names keep their commas", "http://a , One, Two ,Three  ", "http://a, One, Two ,Three\r\n",
       0, 0},
      {"empty or blank name: URL alone", "http://a,\r\nhttp://b,    ", "http://a\r\nhttp://b\r\n",
       0, 0},
      {"blanks trimmed, tabs kept", "   http://a\t ,\tA ", "http://a\t, \tA\r\n", 0, 0},
      {"lone CR and lone LF belong to their piece", "http://a\rb, n\nm\r\nhttp://a",
       "http://a\rb, n\nm\r\nhttp://a\r\n", 0, 0},
      {"lines that are not entries stay", "ftp://x, F\r\n\"http://y\"",
       "ftp://x, F\r\n\"http://y\"\r\n", 0, 0},
      {"empty text", "", "", 0, 0},
      {"only a line end", "\r\n", "", 1, 1},
  };
  for (const NormalizeCase& c : cases) {
    NormalizedText result = NormalizeText(c.text);
    EXPECT_EQ(result.text, c.expected) << c.what;
    EXPECT_EQ(result.duplicateTally, c.tally) << c.what;
    EXPECT_EQ(result.firstDuplicatePiece, c.firstDuplicatePiece) << c.what;
  }
  EXPECT_EQ(NormalizeText(std::string_view()).text, "") << "no text at all";
}

TEST(NormalizeText, TallyStopsAtLargest32BitValueInsteadOfOverflowing) {
  // 65536 copies give 65536 * 65535 / 2 = 2147450880 pairs, just below the 32-bit limit; one
  // more copy would pass it. The blank last piece is alone and adds nothing.
  NormalizedText below = NormalizeText(RepeatedLine("http://a, A", 65536));
  EXPECT_EQ(below.duplicateTally, 2147450880);
  EXPECT_EQ(below.text, "http://a, A\r\n");

  NormalizedText above = NormalizeText(RepeatedLine("http://a, A", 65537));
  EXPECT_EQ(above.duplicateTally, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(above.firstDuplicatePiece, 1);
  EXPECT_EQ(above.text, "http://a, A\r\n");
}

// Entry lines of a text whose every CR belongs to a CR LF and that holds no 0x1A: written to a
// file, each of its pieces becomes one file line.
bool PiecesAreFileLines(const std::string& text) {
  if (text.find('\x1A') != std::string::npos) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
  }
  return true;
}

reference::Entries EntryLinesOf(const std::string& text) {
  reference::Entries entries;
  for (const std::string& piece : reference::CutAtCrLf(text)) {
    if (IsEntryLine(piece)) entries.push_back(reference::LineFields(piece));
  }
  return entries;
}

reference::Entries ParsedEntries(const std::string& bytes) {
  EntryStore store;
  ParseListText(bytes, LineEnds::kCrLf, store);
  return StoredEntriesOf(store);
}

TEST(NormalizeText, AgreesWithThePairwisePassOnRandomTexts) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 30000; ++round) {
    std::string text = RandomListText(rng, 30);
    NormalizedText fast = NormalizeText(text);
    NormalizedText literal = reference::NormalizeText(text);
    ASSERT_EQ(fast.text, literal.text) << "round " << round;
    ASSERT_EQ(fast.duplicateTally, literal.duplicateTally) << "round " << round;
    ASSERT_EQ(fast.firstDuplicatePiece, literal.firstDuplicatePiece) << "round " << round;
  }
}

TEST(NormalizeText, ResultIsStableAndSurvivesSavingAndLoading) {
  std::mt19937 rng(77);
  int roundTrips = 0;
  for (int round = 0; round < 20000; ++round) {
    NormalizedText once = NormalizeText(RandomListText(rng, 30));
    NormalizedText twice = NormalizeText(once.text);
    ASSERT_EQ(twice.text, once.text) << "round " << round;
    ASSERT_EQ(twice.duplicateTally, 0) << "round " << round;
    if (!PiecesAreFileLines(once.text)) continue;
    ASSERT_EQ(ParsedEntries(ListFileBytes(once.text)), EntryLinesOf(once.text))
        << "round " << round;
    ++roundTrips;
  }
  EXPECT_GT(roundTrips, 1000) << "the generator must give many texts that can round-trip";
}

}  // namespace
