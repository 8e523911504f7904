#include "main_dialog/new_website.h"

#include <gtest/gtest.h>

#include "list/list_parse.h"
#include "list/same_website.h"

namespace {

TEST(NewWebsite, ComesFromAPastedAddressOrListLine) {
  struct Case {
    const char* pasted;
    const char* url;  // nullptr: no web address
    const char* name;
  };
  const Case cases[] = {
      {"https://example.com/a", "https://example.com/a", ""},
      {"  \r\n\tWWW.Example.com \r\nsecond line", "WWW.Example.com", ""},
      {"http://e.example/a,b,c", "http://e.example/a%2Cb%2Cc", ""},
      {"http://e.example/a,b, Name, more\there", "http://e.example/a%2Cb", "Name, more here"},
      {"http://e.example,", "http://e.example", ""},
      {"http://e.example/\xE2\x82\xAC, Caf\xC3\xA9 ", "http://e.example/\xE2\x82\xAC",
       "Caf\xC3\xA9"},
      {"ftp://e.example", nullptr, ""},
      {"example.com", nullptr, ""},
      {"http://e.example/\"quoted\"", nullptr, ""},
      {"", nullptr, ""},
      {" \r\n ", nullptr, ""},
  };
  for (const Case& c : cases) {
    std::optional<NewWebsite> website = WebsiteOfPastedText(c.pasted);
    ASSERT_EQ(website.has_value(), c.url != nullptr) << c.pasted;
    if (!website) continue;
    EXPECT_EQ(website->url, c.url) << c.pasted;
    EXPECT_EQ(website->name, c.name) << c.pasted;
  }
  // A dropped link's title loses its line breaks and tabs, a run of blanks showing as one, as
  // the bookmarks tool takes titles; the line is the list's own.
  std::optional<NewWebsite> dropped = WebsiteOfLink(" http://d.example/\n", "Two\r\nlines\there ");
  ASSERT_TRUE(dropped);
  EXPECT_EQ(ListLineOf(*dropped), "http://d.example/, Two lines here");
  EXPECT_EQ(ListLineOf(*WebsiteOfLink("http://d.example", "")), "http://d.example");
}

TEST(NewWebsite, IsAlreadyInTheListByTextCaseOfSchemeAndHostOrASlashAfterTheHost) {
  EntryStore entries;
  int32_t count = ParseListText(
      "http://Example.com/Path, A\r\nwww.Site.org/\r\nhttps://q.example/?x=1\r\nhttp://host\r\n",
      LineEnds::kCrLf, entries);
  struct Case {
    const char* url;
    int32_t entry;
  };
  const Case cases[] = {
      {"http://Example.com/Path", 1},
      {"HTTP://EXAMPLE.COM/Path", 1},
      {"http://example.com/path", 0},  // the path keeps its letter case
      {"www.site.org", 2},
      {"WWW.SITE.ORG/", 2},
      {"https://Q.example?x=1", 3},
      {"https://q.example/?X=1", 0},
      {"http://host/", 4},
      {"https://host", 0},  // another scheme
      {"http://hostname", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EntryOfSameWebsite(entries, count, c.url), c.entry) << c.url;
}

}  // namespace
