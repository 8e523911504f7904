// Finding websites: one table of queries over one list of names in several scripts, the same
// queries typed, deleted and pasted one after another (the matches refined from the previous
// ones must be those of a fresh find), and the folding table as the fold applies it.
#include "list/website_find.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/text_fold.h"
#include "list/text_fold_table.h"
#include "stored_entries.h"

namespace {

using Entries = std::vector<int32_t>;

// Entry numbers 1 ... 12, in this order; the whole list shows them in another order.
EntryStore Sites() {
  return StoreOf(
      {{"http://cafe.example/de", "Caf\xC3\xA9 M\xC3\xBCller"},                 // 1
       {"https://athens.example", "\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"},  // 2
       {"http://mir.example",
        "\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xD0\xBC\xD0\xB8\xD1\x80"},  // 3
       {"http://house.example", "House in Black"},                                     // 4
       {"https://www.metoffice.gov.uk", "Met Office"},                                 // 5
       {"http://strasse.example",
        "Stra\xC3\x9F"
        "e der Musik"},  // 6
       {"http://tokyo.example",
        "\xE6\x9D\xB1\xE4\xBA\xAC\xE3\x81\xAE\xE5\xA4\xA9\xE6\xB0\x97"},  // 7
       {"www.blackhouse.example", ""},                                    // 8
       {"http://istanbul.example", "\xC4\xB0stanbul"},                    // 9
       {"http://\xC3\xA9t\xC3\xA9.example", "Summer"},                    // 10
       {"http://nbsp.example", "Two\xC2\xA0Words"},                       // 11
       {"http://odd.example", "Bytes \xFF\xFE here"}});                   // 12
}
const Entries kWholeOrder = {4, 1, 12, 5, 6, 10, 11, 8, 9, 3, 2, 7};

TEST(WebsiteFind, EveryWordInNameOrUrlInAnyOrderCaseAndAccentsIgnored) {
  struct Case {
    const char* query;
    Entries matches;  // in the whole list's order
  };
  const Case cases[] = {
      {"", kWholeOrder},
      {"cafe mull", {1}},
      {"\xCE\x91\xCE\x98\xCE\x97\xCE\x9D\xCE\x91", {2}},          // ΑΘΗΝΑ
      {"\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", {2}},          // αθήνα
      {"\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2", {3}},  // ПРИВЕТ
      {"black house", {4, 8}},                                    // the URL too
      {"in black", {4}},
      {"metoffice", {5}},
      {"STRASSE", {6}},
      {"stra\xC3\x9F"
       "e",
       {6}},
      {"\xE6\x9D\xB1\xE4\xBA\xAC", {7}},  // 東京
      {"istanbul", {9}},
      {"\xC3\x89T\xC3\x89", {10}},  // ÉTÉ, in the URL
      {"ete summer", {10}},
      {"two words", {11}},
      {"two\xC2\xA0words", {11}},  // a no-break space splits
      {"\xFF\xFE", {12}},          // bytes that are no UTF-8
      {"example", {4, 1, 12, 6, 10, 11, 8, 9, 3, 2, 7}},
      {"http", {4, 1, 12, 5, 6, 10, 11, 9, 3, 2, 7}},
      {"cafe zzz", {}},
      {"black\nhouse", {4, 8}},  // a line feed is a blank
      {"blackhttp", {}},         // not across name and URL
  };
  EntryStore sites = Sites();
  for (const Case& c : cases) {
    WebsiteFind find = StartWebsiteFind(kWholeOrder);
    ApplyQuery(find, sites, c.query);
    EXPECT_EQ(find.matches, c.matches) << "query \"" << c.query << "\"";
  }
}

TEST(WebsiteFind, TypingDeletingAndPastingGiveTheMatchesOfAFreshFind) {
  const char* const steps[] = {"b",       "bl",       "bla",     "blac",  "black",      "black ",
                               "black h", "black ho", "black h", "black", "bla",        "b",
                               "",        "house",    "ho",      "x ho",  "ex ho",      "ex hou",
                               "cafe",    "caf",      "cafe m",  "met",   "met office", "me"};
  EntryStore sites = Sites();
  WebsiteFind typed = StartWebsiteFind(kWholeOrder);
  Entries before = typed.matches;
  for (const char* step : steps) {
    bool changed = ApplyQuery(typed, sites, step);
    WebsiteFind fresh = StartWebsiteFind(kWholeOrder);
    ApplyQuery(fresh, sites, step);
    EXPECT_EQ(typed.matches, fresh.matches) << "after \"" << step << "\"";
    EXPECT_EQ(changed, typed.matches != before) << "after \"" << step << "\"";
    before = typed.matches;
  }
}

TEST(WebsiteFind, NarrowsDownWhenEveryEarlierWordLiesInALaterOne) {
  using Words = std::vector<std::string>;
  EXPECT_TRUE(NarrowsDown(Words{}, Words{"a"}));
  EXPECT_TRUE(NarrowsDown(Words{"ab"}, Words{"xaby"}));
  EXPECT_TRUE(NarrowsDown((Words{"ab", "c"}), (Words{"c", "abd", "e"})));
  EXPECT_FALSE(NarrowsDown(Words{"ab"}, Words{}));
  EXPECT_FALSE(NarrowsDown(Words{"abc"}, Words{"ab"}));
  EXPECT_FALSE(NarrowsDown((Words{"a", "b"}), Words{"a"}));
}

TEST(TextFold, EveryRowOfTheTableAsTheFoldAppliesIt) {
  ASSERT_GT(kFoldRowCount, 1000u);
  for (size_t i = 0; i < kFoldRowCount; ++i) {
    char32_t c = kFoldRows[i].codePoint;
    std::string utf8;  // the code point in UTF-8: lead byte, then 6 bits a byte
    int more = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    utf8 += static_cast<char>(more == 0 ? c : ((0xFF00 >> (more + 1)) & 0xFF) | (c >> (6 * more)));
    for (int k = more - 1; k >= 0; --k) utf8 += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    ASSERT_EQ(FoldedText(utf8), kFoldRows[i].folded) << "U+" << std::hex << c;
    ASSERT_EQ(FoldedText(FoldedText(utf8)), FoldedText(utf8)) << "U+" << std::hex << c;
    if (i > 0) {
      ASSERT_LT(kFoldRows[i - 1].codePoint, c) << "the rows are sorted";
    }
  }
  EXPECT_EQ(FoldedText("a\xC3"
                       "b\xE2\x82"),
            "a\xC3"
            "b\xE2\x82")
      << "bytes that are no UTF-8";
  EXPECT_EQ(FoldedText("\xED\xA0\x80"), "\xED\xA0\x80") << "a surrogate stays as it is";
}

}  // namespace
