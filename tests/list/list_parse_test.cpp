#include "list/list_parse.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "list_reference.h"
#include "stored_entries.h"
#include "random_list_text.h"

namespace {

using reference::Entries;

Entries Parse(std::string_view bytes) {
  // Leftovers of an earlier load, as a reload finds them.
  EntryStore store = StoreOf({{"http://stale", "stale"}, {"http://stale", ""}, {"www.x", "y"}});
  int32_t count = ParseListText(std::string(bytes), LineEnds::kCrLf, store);
  EXPECT_EQ(count, StoredEntries(store));
  return StoredEntriesOf(store);
}

TEST(ParseListText, EntryLinesOfAListFile) {
  struct Case {
    const char* what;
    std::string bytes;
    Entries entries;
  };
  const Case cases[] = {
      {"CR LF lines, file order", "http://a, A\r\nwww.b\r\n", {{"http://a", "A"}, {"www.b", ""}}},
      {"any letter case, kept as written",
       "HTTP://X, Up\r\nhTtPs://y\r\nWWW.z\r\nhttpfoo",
       {{"HTTP://X", "Up"}, {"hTtPs://y", ""}, {"WWW.z", ""}, {"httpfoo", ""}}},
      {"lone CR ends a line", "http://a, A\rhttp://b", {{"http://a", "A"}, {"http://b", ""}}},
      {"LF-only file is one line",
       "http://a, A\nhttp://b, B\n",
       {{"http://a", "A\nhttp://b, B\n"}}},
      {"LF-only file that starts with another line", "# list\nhttp://a\n", {}},
      {"extra LF after CR LF spoils the next line",
       "http://a\r\n\nhttp://b\r\nhttp://c",
       {{"http://a", ""}, {"http://c", ""}}},
      {"reading stops at Ctrl-Z", "http://a, A\x1A, more\r\nhttp://b", {{"http://a", "A"}}},
      {"a byte-order mark left in the bytes spoils its line",
       "\xEF\xBB\xBFhttp://a\r\nhttp://b",
       {{"http://b", ""}}},
      {"lines starting with blank, tab or quote are ignored",
       " http://a\r\n\thttp://b\r\n\"http://c\"\r\nftp://d\r\nhtt\r\nwww,e\r\n\r\n",
       {}},
      {"the four characters alone", "http", {{"http", ""}}},
      {"several commas: name is everything after the first",
       "http://a, One, Two ,  ",
       {{"http://a", "One, Two ,"}}},
      {"only blanks trimmed",
       "http://a\t , \tname\t \r\nhttp://b,   ",
       {{"http://a\t", "\tname\t"}, {"http://b", ""}}},
      {"duplicates are separate entries",
       "http://a, 1\r\nhttp://a, 2",
       {{"http://a", "1"}, {"http://a", "2"}}},
      {"NUL and high bytes are ordinary",
       std::string("http://a\0\xFF, \x80n\0", 15),
       {{std::string("http://a\0\xFF", 10), std::string("\x80n\0", 3)}}},
      {"empty file", "", {}},
      {"only line ends", "\r\n\r\r\n", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Parse(c.bytes), c.entries) << c.what;
  EXPECT_EQ(Parse(std::string_view()), Entries{}) << "no bytes at all";
}

TEST(ParseListText, AgreesWithByteByByteReadingOnRandomBytes) {
  std::mt19937 rng(4242);
  for (int round = 0; round < 20000; ++round) {
    std::string bytes = RandomListText(rng, 40);
    ASSERT_EQ(Parse(bytes), reference::ParseListBytes(bytes)) << "round " << round;
  }
  std::string noise(1 << 20, '\0');
  for (char& c : noise) c = static_cast<char>(rng() % 256);
  EXPECT_EQ(Parse(noise), reference::ParseListBytes(noise));
}

TEST(ParseListText, HugeInputs) {
  // One 50 MB entry line without a line end.
  std::string longLine =
      "http://" + std::string(25'000'000, 'u') + "," + std::string(25'000'000, 'n');
  EntryStore store;
  ASSERT_EQ(ParseListText(longLine, LineEnds::kCrLf, store), 1);
  EXPECT_EQ(EntryUrl(store, 1).size(), 25'000'007u);
  EXPECT_EQ(EntryName(store, 1).size(), 25'000'000u);

  // A million lines with every kind of line end; a third of them are entries.
  std::string manyLines;
  for (int i = 0; i < 1'000'000; i += 3) {
    manyLines += "http://site" + std::to_string(i) + ".example, Site " + std::to_string(i) + "\r";
    manyLines += "# not an entry\r\n";
    manyLines += "\r\n";
  }
  int32_t count = ParseListText(manyLines, LineEnds::kCrLf, store);
  ASSERT_EQ(count, 333'334);
  EXPECT_EQ(EntryUrl(store, count), "http://site999999.example");
  EXPECT_EQ(EntryName(store, count), "Site 999999");
}

// The store holds the fields and nothing else: no separators, no ignored lines, and no room
// left over from the file's bytes, which it reuses.
TEST(ParseListText, KeepsOnlyTheFields) {
  std::string file;
  size_t fieldBytes = 0;
  for (int i = 0; i < 100'000; ++i) {
    std::string url = "http://site" + std::to_string(i) + ".example";
    std::string name = "Site " + std::to_string(i);
    file += "# comment line that is ignored\r\n" + url + "  ,   " + name + "  \r\n";
    fieldBytes += url.size() + name.size();
  }
  EntryStore store;
  ASSERT_EQ(ParseListText(file, LineEnds::kCrLf, store), 100'000);
  EXPECT_EQ(store.text.size(), fieldBytes);
  EXPECT_LE(store.text.capacity(), fieldBytes + fieldBytes / 4 + 4096);
  EXPECT_EQ(store.ends.capacity(), 100'000u) << "reserved once, at the exact size";
}

}  // namespace
