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

using namespace std::string_literals;
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
      // Tags and attribute names in any letter case, attributes in any order and quoting; the
      // first of two attributes of one name counts; "/" and a missing blank between them.
      {"<dt><a add_date=\"1\" HrEf='http://q/a b'>x</a><DT><A ICON=\"d>\" href=http://u>y</A>"
       "<A HREF=\"http://first\" href=\"http://second\"/>z</A><A ID=\"1\"HREF=http://w/ >w</A>",
       {{"http://q/a b", "x"}, {"http://u", "y"}, {"http://first", "z"}, {"http://w/", "w"}}},
      // Unquoted values with references, a NUL in a value, a name that begins with "=", an end
      // tag with an attribute holding ">", and a tag the end of the text cuts short.
      {"<A HREF=http://u/?a&amp;b&copy=2>u</A><A HREF=\"http://n/\0\">n</A><a =x href=http://eq>e"
       "</a title=\">\">; <A HREF=\"http://cut>never"s,
       {{"http://u/?a&b&copy=2", "u"}, {"http://n/\xEF\xBF\xBD", "n"}, {"http://eq", "e"}}},
      // Named and numeric references, in titles and addresses.
      {"<A HREF=\"http://e/?a=1&amp;b=2\">Caf&eacute; &amp; &lt;Bar&gt; &quot;&#39;&apos;</A>",
       {{"http://e/?a=1&b=2", "Caf\xC3\xA9 & <Bar> \"''"}}},
      {"<A HREF=\"http://n\">&#233;&#xE9;&#XE9;&#233 &#150;&hellip;&#128512;&#0;&bogus;&amp</A>",
       {{"http://n",
         "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 \xE2\x80\x93\xE2\x80\xA6\xF0\x9F\x98\x80"
         "\xEF\xBF\xBD&bogus;&"}}},
      // The whole table, legacy names without ";" in text, the longest name that fits, and two
      // characters of one name; in an address a legacy name before "=" or a letter stays.
      {"<A HREF=\"http://r/?x&copy=1&not;&notit&amp2\">&hearts;&comma;&copy &notin;&notit;"
       "&NotEqualTilde;&#x110000;&#xD800;&#</A>",
       {{"http://r/?x&copy=1\xC2\xAC&notit&amp2",
         "\xE2\x99\xA5,\xC2\xA9 \xE2\x88\x89\xC2\xACit;\xE2\x89\x82\xCC\xB8"
         "\xEF\xBF\xBD\xEF\xBF\xBD&#"}}},
      // Missing titles and addresses; a title ends at </A>, another link, a folder or an entry.
      {"<A HREF=\"http://empty\"></A><A>no address</A><A HREF=\"http://open\">Open<DT>after"
       "<A HREF=\"http://h\">H<H3>folder</H3><A HREF=\"http://l\">L</DL>after",
       {{"http://empty", ""},
        {"", "no address"},
        {"http://open", "Open"},
        {"http://h", "H"},
        {"http://l", "L"}}},
      // The text of tags inside a link is part of its title; a <BR> is a blank.
      {"<A HREF=\"http://b\">a <b>bold</b> <SPAN CLASS=\"x\">title</SPAN><br>here</A>",
       {{"http://b", "a bold title here"}}},
      // Comments of every shape hold no links; a "<" that starts no tag is text.
      {"<!-- <A HREF=\"http://hidden\">x</A> --><A HREF=\"http://seen\">1 < 2 <3 </ 4</A>"
       "<!--><A HREF=\"http://after-empty-comment\">e</A><!---->"
       "<!-- a -- b --!><A HREF=\"http://after-bang\">b</A>"
       "<? <A HREF=\"http://in-pi\">p</A> ?><A HREF=\"http://after-pi\">p</A>"
       "<! <A HREF=\"http://in-decl\"> ><A HREF=\"http://after-decl\">d</A>"
       "</ 1 <A HREF=\"http://in-bogus-end\"> ></>",
       {{"http://seen", "1 < 2 <3 "},  // "</ 4</A>" is a bogus comment
        {"http://after-empty-comment", "e"},
        {"http://after-bang", "b"},
        {"http://after-pi", "p"},
        {"http://after-decl", "d"}}},
      // No markup inside raw-text elements, comments in a script included; links after them are
      // read, and title and textarea decode references without reading tags.
      {"<script>document.write('<A HREF=\"http://s1\">')</script>"
       "<SCRIPT><!-- <script> '</script>' <A HREF=\"http://s2\"></script> --></SCRIPT>"
       "<style>a::after{content:'<A HREF=\"http://s3\">'}</style>"
       "<textarea><A HREF=\"http://s4\">&amp;</textarea><title><A HREF=\"http://s5\"></title>"
       "<xmp><A HREF=\"http://s6\"></xmp><iframe><A HREF=\"http://s7\"></iframe>"
       "<noembed><A HREF=\"http://s8\"></noembed><noframes><A HREF=\"http://s9\"></noframes>"
       "<noscript><A HREF=\"http://s10\"></noscript></scriptx>"
       "<A HREF=\"http://seen\">t<script>hidden()</script>ext</A>",
       {{"http://seen", "text"}}},
      // Plaintext makes everything after it text.
      {"<A HREF=\"http://p\">before</A><plaintext><A HREF=\"http://q\">x</A>",
       {{"http://p", "before"}}},
      // Ctrl-Z is a character like any other, and NUL characters of text are dropped.
      {"<A HREF=\"http://a.example/\">one\x1Atw\0o</A><A HREF=\"http://b\">b</A>"s,
       {{"http://a.example/", "one\x1Atwo"}, {"http://b", "b"}}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    BookmarkExport found = ReadBookmarkExport(kDoctype + cases[i].html);
    EXPECT_TRUE(found.recognised) << "case " << i;
    EXPECT_EQ(LinksOf(found), cases[i].links) << "case " << i;
  }
}

TEST(BookmarkFile, IsRecognisedByTheDoctypeOrByTheBookmarkStructure) {
  const std::pair<std::string, bool> cases[] = {
      {"<!DOCTYPE NETSCAPE-Bookmark-file-1><A HREF=\"http://a\">a</A>", true},
      {"\r\n <!-- made by hand -->\n<!doctype netscape-bookmark-file-1>", true},
      // An export without a doctype, as some services and old browsers write it.
      {"<DL><p><DT><A HREF=\"http://a\">a</A></DL>", true},
      {"<HTML><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">"
       "<Title>Bookmarks</Title><H1>Bookmarks</H1><DL><DT><H3>Folder</H3><DL>"
       "<DT><A HREF=\"place:x\">q</A></DL></DL></HTML>",
       true},
      {"<!DOCTYPE html><A HREF=\"http://a\">a</A>", false},
      {"<DL><DT><A NAME=\"anchor\">a</A></DL><DT><A HREF=\"http://a\">a</A>", false},
      {"<!-- <DL><DT><A HREF=\"http://a\">a</A></DL> -->", false},
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
       "http://d.example/abc", "Two lines and a tab"},
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
      // Runs of blanks are one blank; a title of blanks that show nothing gives no name.
      {"http://h.example/", "hours per\n         week", SkipReason::kNone, "http://h.example/",
       "hours per week"},
      {"http://i.example/", "\xC2\xA0 \xE2\x80\x8B\xE3\x80\x80", SkipReason::kNone,
       "http://i.example/", ""},
      {"http://j.example/",
       "\xC2\xA0"
       "a\xC2\xA0"
       "b\xC2\xA0",
       SkipReason::kNone, "http://j.example/",
       "a\xC2\xA0"
       "b"},
      // Addresses with no host.
      {"http:", "A", SkipReason::kNoHost, "", ""},
      {"https://", "A", SkipReason::kNoHost, "", ""},
      {"http:///path", "A", SkipReason::kNoHost, "", ""},
      {"https://user@:8080/", "A", SkipReason::kNoHost, "", ""},
      {"http://?q", "A", SkipReason::kNoHost, "", ""},
      {"http://[::1]/", "IPv6", SkipReason::kNone, "http://[::1]/", "IPv6"},
      {"http://u:p@k.example:81/", "Port", SkipReason::kNone, "http://u:p@k.example:81/", "Port"},
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
