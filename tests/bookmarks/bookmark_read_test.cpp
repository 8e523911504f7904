// Reading bookmark exports: the links the parser finds, and the websites the import rules
// make of them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "bookmarks/bookmark_file.h"
#include "bookmarks/import_rules.h"
#include "export_shapes.h"

namespace {

using Links = std::vector<std::pair<std::string, std::string>>;  // address, title

constexpr char kDoctype[] = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n";

Links LinksOf(const BookmarkExport& found) {
  Links links;
  for (const Bookmark& bookmark : found.bookmarks)
    links.push_back({bookmark.address, bookmark.title});
  return links;
}

TEST(BookmarkFile, FindsEveryLinkWithItsAddressAndTitleDecoded) {
  struct Case {
    std::string html;
    Links links;
  };
  const Case cases[] = {
      // Nested folders, depth first in file order.
      {"<DL><p><DT><H3>A</H3><DL><p><DT><H3>B</H3><DL><p><DT><A HREF=\"http://deep\">Deep</A>"
       "</DL><p><DT><A HREF=\"http://a\">In A</A></DL><p><DT><A HREF=\"http://top\">Top</A></DL>",
       {{"http://deep", "Deep"}, {"http://a", "In A"}, {"http://top", "Top"}}},
      // Tags and attribute names in any letter case, attributes in any order and quoting.
      {"<dt><a add_date=\"1\" HrEf='http://q/a b'>x</a><DT><A ICON=\"d>\" href=http://u>y</A>",
       {{"http://q/a b", "x"}, {"http://u", "y"}}},
      // Named and numeric references, in titles and addresses; unknown ones stay.
      {"<A HREF=\"http://e/?a=1&amp;b=2\">Caf&eacute; &amp; &lt;Bar&gt; &quot;&#39;&apos;</A>",
       {{"http://e/?a=1&b=2", "Caf\xC3\xA9 & <Bar> \"''"}}},
      {"<A HREF=\"http://n\">&#233;&#xE9;&#XE9;&#233 &#150;&hellip;&#128512;&#0;&bogus;&amp</A>",
       {{"http://n",
         "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 \xE2\x80\x93\xE2\x80\xA6\xF0\x9F\x98\x80"
         "\xEF\xBF\xBD&bogus;&amp"}}},
      // Missing titles and addresses; a title runs to the next tag even without </A>.
      {"<A HREF=\"http://empty\"></A><A>no address</A><A HREF=\"http://open\">Open<DT>",
       {{"http://empty", ""}, {"", "no address"}, {"http://open", "Open"}}},
      // Links inside comments are no links; a "<" that starts no tag is text.
      {"<!-- <A HREF=\"http://hidden\">x</A> --><A HREF=\"http://seen\">1 < 2</A>",
       {{"http://seen", "1 < 2"}}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    BookmarkExport found = ReadBookmarkExport(kDoctype + cases[i].html);
    EXPECT_TRUE(found.recognised) << "case " << i;
    EXPECT_EQ(LinksOf(found), cases[i].links) << "case " << i;
  }
}

TEST(BookmarkFile, IsRecognisedOnlyByTheBookmarkFilesDoctype) {
  const std::pair<std::string, bool> cases[] = {
      {"<!DOCTYPE NETSCAPE-Bookmark-file-1><A HREF=\"http://a\">a</A>", true},
      {"\r\n <!-- made by hand -->\n<!doctype netscape-bookmark-file-1>", true},
      {"<!DOCTYPE html><A HREF=\"http://a\">a</A>", false},
      {"<DL><p><DT><A HREF=\"http://a\">a</A></DL>", false},
      {"http://a, A\r\n", false},
      {"", false},
  };
  for (const auto& [html, recognised] : cases) {
    BookmarkExport found = ReadBookmarkExport(html);
    EXPECT_EQ(found.recognised, recognised) << html;
    EXPECT_TRUE(recognised || found.bookmarks.empty()) << html;
  }
}

TEST(ImportRules, TakeHttpAndHttpsOnlyAndMakeLinesAListReadsBack) {
  struct Case {
    std::string address, title;
    SkipReason reason;
    std::string url, name;
  };
  const Case cases[] = {
      {"https://a.example/", "A", SkipReason::kNone, "https://a.example/", "A"},
      {"HTTP://B.example", "", SkipReason::kNone, "HTTP://B.example", ""},
      {"http://c.example/x,y,z", "C, with commas", SkipReason::kNone, "http://c.example/x%2Cy%2Cz",
       "C, with commas"},
      {" \n\thttp://d.example/a\tb\r\nc \n", "  Two\r\nlines\tand a tab  ", SkipReason::kNone,
       "http://d.example/abc", "Two  lines and a tab"},
      {"http://e.example/\x1A\x01",
       "end\x1Aof\x7F"
       "file",
       SkipReason::kNone, "http://e.example/%1A%01", "end of file"},
      {"javascript:alert(1)", "Bookmarklet", SkipReason::kNotWebAddress, "", ""},
      {"place:sort=8", "Most Visited", SkipReason::kNotWebAddress, "", ""},
      {"file:///C:/notes.txt", "Notes", SkipReason::kNotWebAddress, "", ""},
      {"data:text/html,hi", "Data", SkipReason::kNotWebAddress, "", ""},
      {"about:blank", "Blank", SkipReason::kNotWebAddress, "", ""},
      {"chrome://settings", "Settings", SkipReason::kNotWebAddress, "", ""},
      {"edge://favorites", "Favorites", SkipReason::kNotWebAddress, "", ""},
      {"www.f.example", "No scheme", SkipReason::kNotWebAddress, "", ""},
      {"httpx://g.example", "Not http", SkipReason::kNotWebAddress, "", ""},
      {"  \n", "Nothing", SkipReason::kNoAddress, "", ""},
  };
  for (const Case& c : cases) {
    Website website;
    EXPECT_EQ(WebsiteOfBookmark({c.address, c.title}, website), c.reason) << c.address;
    if (c.reason != SkipReason::kNone) continue;
    EXPECT_EQ(website.url, c.url) << c.address;
    EXPECT_EQ(website.name, c.name) << c.address;
  }
}

// The same folders in both browsers' shapes give the same websites, in file order.
TEST(ImportRules, ChromeAndFirefoxShapedExportsGiveTheSameWebsites) {
  const ShapedFolder root = {"",
                             {{"https://top.example/", "Top & \"quoted\""}},
                             {{"Bookmarks bar",
                               {{"https://news.example/today?a=1&b=2", "News <today>"},
                                {"javascript:void(0)", "Bookmarklet"}},
                               {{"Deeper", {{"http://deep.example/", "It's deep"}}, {}}}},
                              {"Other bookmarks", {{"https://other.example/", ""}}, {}}}};
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"https://top.example/", "Top & \"quoted\""},
      {"https://news.example/today?a=1&b=2", "News <today>"},
      {"http://deep.example/", "It's deep"},
      {"https://other.example/", ""}};
  for (const std::string& html : {ChromeShapedExport(root), FirefoxShapedExport(root)}) {
    BookmarkExport found = ReadBookmarkExport(html);
    ASSERT_TRUE(found.recognised) << html;
    std::vector<std::pair<std::string, std::string>> websites;
    int skipped = 0;
    for (const Bookmark& bookmark : found.bookmarks) {
      Website website;
      if (WebsiteOfBookmark(bookmark, website) == SkipReason::kNone) {
        websites.push_back({website.url, website.name});
      } else {
        ++skipped;
      }
    }
    EXPECT_EQ(websites, expected) << html;
    EXPECT_EQ(skipped, html.find("place:") == std::string::npos ? 1 : 2) << html;
  }
}

}  // namespace
