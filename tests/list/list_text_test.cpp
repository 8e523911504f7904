#include "list/list_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/entry_store.h"
#include "stored_entries.h"

namespace {

using Strings = std::vector<std::string>;

Strings Pieces(std::string_view text) {
  Strings pieces;
  ForEachPiece(text, [&](std::string_view piece) { pieces.emplace_back(piece); });
  return pieces;
}

TEST(ListTextPieces, CutAtCrLfPairsOnly) {
  EXPECT_EQ(Pieces(""), Strings{""}) << "an empty text is one empty piece";
  EXPECT_EQ(Pieces("a"), Strings{"a"});
  EXPECT_EQ(Pieces("a\r\n"), (Strings{"a", ""})) << "a final CR LF leaves an empty piece";
  EXPECT_EQ(Pieces("\r\n\r\n"), (Strings{"", "", ""}));
  EXPECT_EQ(Pieces("a\rb\nc\n\rd"), Strings{"a\rb\nc\n\rd"}) << "lone CR and LF are characters";
  EXPECT_EQ(Pieces("a\r\r\nb"), (Strings{"a\r", "b"}));
  EXPECT_EQ(Pieces("a\r\n\nb\r"), (Strings{"a", "\nb\r"}));
  EXPECT_EQ(Pieces(std::string("a\0\r\nb", 5)), (Strings{std::string("a\0", 2), "b"}));
}

TEST(ListTextOfEntries, CanonicalLinesInTheGivenOrder) {
  EntryStore entries = StoreOf({{"http://a", "A"}, {"www.b", ""}, {"HTTP://c", "C, with, commas"}});
  EXPECT_EQ(ListTextOfEntries(entries, {3, 1, 2}),
            "HTTP://c, C, with, commas\r\nhttp://a, A\r\nwww.b\r\n");
  EXPECT_EQ(ListTextOfEntries(entries, {}), "");
}

TEST(ListFileBytes, EveryPieceThenOneMoreLineEnd) {
  struct Case {
    std::string text;
    std::string bytes;
  };
  const Case cases[] = {
      {"", "\r\n\r\n"},
      {"a\r\nb\r\n", "a\r\nb\r\n\r\n\r\n"},
      {"a", "a\r\n\r\n"},
      {"a\rb\nc", "a\rb\nc\r\n\r\n"},
      {"a\r\r\n", "a\r\r\n\r\n\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(ListFileBytes(c.text), c.bytes) << c.text;
}

}  // namespace
