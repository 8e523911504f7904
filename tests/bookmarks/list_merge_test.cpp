// Merging websites into list files of every form, byte for byte: the old bytes stay, the new
// lines are read back by the list's own loading.
#include "bookmarks/list_merge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/western_code_page.h"
#include "list_entries.h"

namespace {

// UTF-16 bytes of text, with the mark, in the given order.
std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

const std::vector<Website> kWebsites = {
    {"http://new.example/", "New"},
    {"http://old.example/", "Already there"},
    {"https://cafe.example/", "Caf\xC3\xA9"},   // é: in the Western code page
    {"https://book.example/", "\xE6\x9B\xB8"},  // 書: in no 8-bit Western list
    {"http://new.example/", "Twice in the import"},
};

TEST(ListMerge, KeepsEveryByteAndAddsLinesInTheListsOwnForm) {
  struct Case {
    const char* form;
    std::string before, after;
    int32_t added, already, unfit;
  };
  const Case cases[] = {
      {"missing or empty: UTF-8, CR LF", "",
       "http://new.example/, New\r\nhttp://old.example/, Already there\r\n"
       "https://cafe.example/, Caf\xC3\xA9\r\nhttps://book.example/, \xE6\x9B\xB8\r\n",
       4, 1, 0},
      {"ASCII code page without a final line end", "http://old.example/, Old",
       "http://old.example/, Old\r\nhttp://new.example/, New\r\n"
       "https://cafe.example/, Caf\xC3\xA9\r\nhttps://book.example/, \xE6\x9B\xB8\r\n",
       3, 2, 0},
      {"code page beyond ASCII: what it cannot hold is left out",
       "http://old.example/, Ol\xE9\r\n\r\n",
       "http://old.example/, Ol\xE9\r\n\r\nhttp://new.example/, New\r\n"
       "https://cafe.example/, Caf\xE9\r\n",
       2, 2, 1},
      {"UTF-8 with LF line ends", "# mine\nhttp://old.example/, \xC3\x96ld\n",
       "# mine\nhttp://old.example/, \xC3\x96ld\nhttp://new.example/, New\n"
       "https://cafe.example/, Caf\xC3\xA9\nhttps://book.example/, \xE6\x9B\xB8\n",
       3, 2, 0},
      {"UTF-8 with a mark, last line ended by a lone CR", "\xEF\xBB\xBFhttp://old.example/\r",
       "\xEF\xBB\xBFhttp://old.example/\rhttp://new.example/, New\r\n"
       "https://cafe.example/, Caf\xC3\xA9\r\nhttps://book.example/, \xE6\x9B\xB8\r\n",
       3, 2, 0},
      {"code page with an end-of-file mark: the lines go before it",
       "http://old.example/, Ol\xE9\x1Ahttp://gone.example/\xFF",
       "http://old.example/, Ol\xE9\r\nhttp://new.example/, New\r\n"
       "https://cafe.example/, Caf\xE9\r\n\x1Ahttp://gone.example/\xFF",
       2, 2, 1},
      {"UTF-16, low byte first, with an end-of-file mark",
       Utf16(u"http://old.example/\r\n\x1Ax", false),
       Utf16(u"http://old.example/\r\nhttp://new.example/, New\r\nhttps://cafe.example/, "
             u"Caf\u00E9\r\nhttps://book.example/, \u66F8\r\n\x1Ax",
             false),
       3, 2, 0},
      {"UTF-16, high byte first, LF line ends", Utf16(u"http://old.example/\n", true),
       Utf16(u"http://old.example/\nhttp://new.example/, New\nhttps://cafe.example/, "
             u"Caf\u00E9\nhttps://book.example/, \u66F8\n",
             true),
       3, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form);
    MergedList merged = MergeWebsites(c.before, kWebsites, WesternCodePage());
    ASSERT_TRUE(merged.exact);
    EXPECT_EQ(merged.bytes, c.after);
    EXPECT_EQ(merged.added, c.added);
    EXPECT_EQ(merged.alreadyInList, c.already);
    EXPECT_EQ(merged.unfit, c.unfit);
    // Loading the merged list gives the old entries, then the new ones.
    std::vector<std::string> lines = EntriesOf(c.before);
    for (const Website& website : kWebsites) {
      bool known = false;
      for (const std::string& line : lines) known = known || line.rfind(website.url + "|", 0) == 0;
      bool fits = c.unfit == 0 || website.name != "\xE6\x9B\xB8";
      if (!known && fits) lines.push_back(website.url + "|" + website.name);
    }
    EXPECT_EQ(EntriesOf(merged.bytes), lines);
  }
}

TEST(ListMerge, LeavesAListThatIsNotReadExactlyAndAListThatLacksNothing) {
  // Half a surrogate pair: Quillet shows such a list as far as it goes and never saves over it.
  MergedList inexact =
      MergeWebsites(std::string("\xFF\xFEh\0\x00\xD8", 6), kWebsites, WesternCodePage());
  EXPECT_FALSE(inexact.exact);
  EXPECT_EQ(inexact.added, 0);

  const std::string complete =
      "http://new.example/\r\nhttp://old.example/\r\n"
      "https://cafe.example/\r\nhttps://book.example/";
  MergedList unchanged = MergeWebsites(complete, kWebsites, WesternCodePage());
  EXPECT_EQ(unchanged.bytes, complete) << "no line end is added when no line is";
  EXPECT_EQ(unchanged.added, 0);
  EXPECT_EQ(unchanged.alreadyInList, 5);
}

}  // namespace
