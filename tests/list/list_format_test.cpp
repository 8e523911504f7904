#include "list/list_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(std::string_view bytes, LineEnds lineEnds = LineEnds::kCrLf) {
  std::vector<std::string> lines;
  ForEachFileLine(ReadableBytes(bytes), lineEnds,
                  [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

using Strings = std::vector<std::string>;

TEST(FileLines, EndAtCrLfOrLoneCrButNotAtLoneLf) {
  EXPECT_EQ(Lines("a\r\nb\rc\nd"), (Strings{"a", "b", "c\nd"}));
  EXPECT_EQ(Lines("a\r\n\nb"), (Strings{"a", "\nb"})) << "extra LF starts the next line";
  EXPECT_EQ(Lines("a\r\n"), (Strings{"a"})) << "no empty line after a final line end";
  EXPECT_EQ(Lines("a\r\n\r\n"), (Strings{"a", ""}));
  EXPECT_EQ(Lines("a\r\r\nb"), (Strings{"a", "", "b"}));
  EXPECT_EQ(Lines(""), Strings{});
  EXPECT_EQ(Lines("\r"), (Strings{""}));
}

TEST(FileLines, OfAnLfFileEndAtLfOrLoneCr) {
  EXPECT_EQ(Lines("a\nb\n\nc", LineEnds::kLf), (Strings{"a", "b", "", "c"}));
  EXPECT_EQ(Lines("a\rb\nc\n", LineEnds::kLf), (Strings{"a", "b", "c"}));
  EXPECT_EQ(Lines("\n", LineEnds::kLf), (Strings{""}));
  EXPECT_EQ(Lines("", LineEnds::kLf), Strings{});
}

TEST(FileLines, StopAtCtrlZ) {
  EXPECT_EQ(Lines("a\r\nb\x1A\r\nc"), (Strings{"a", "b"}));
  EXPECT_EQ(Lines(std::string("\x1A") + "abc"), Strings{});
  EXPECT_EQ(Lines(std::string("a\0b", 3)), (Strings{std::string("a\0b", 3)}));
}

TEST(EntryLine, FirstFourCharactersInAnyCase) {
  for (const char* line : {"http", "https://x", "HTTP://x", "httpfoo", "www.x", "WwW.", "hTtP"}) {
    EXPECT_TRUE(IsEntryLine(line)) << line;
  }
  for (const char* line : {"", "htt", "www", " http://x", "\thttp://x", "\"http://x", "www,x",
                           "ftp://x", "\xEF\xBB\xBFhttp://x"}) {
    EXPECT_FALSE(IsEntryLine(line)) << line;
  }
}

TEST(EntryFields, SplitAtFirstCommaAndTrimOnlyBlanks) {
  struct Case {
    const char* line;
    const char* url;
    const char* name;
  };
  const Case cases[] = {
      {"http://a", "http://a", ""},
      {"http://a, A, with, commas", "http://a", "A, with, commas"},
      {"  http://a  ,   name  ", "http://a", "name"},
      {"http://a,    ", "http://a", ""},
      {"http://a\t, name\t", "http://a\t", "name\t"},
      {"http://a,\"quoted\"", "http://a", "\"quoted\""},
      {",name", "", "name"},
      {"   ", "", ""},
  };
  for (const Case& c : cases) {
    EntryFields fields = SplitEntryFields(c.line);
    EXPECT_EQ(fields.url, c.url) << c.line;
    EXPECT_EQ(fields.name, c.name) << c.line;
  }
}

TEST(EntryLine, CanonicalFormAndDisplayText) {
  std::string out;
  AppendEntryLine(out, "http://a", "A");
  AppendEntryLine(out, "|http://b", "");
  EXPECT_EQ(out, "http://a, A|http://b");
  EXPECT_EQ(DisplayText("http://a", ""), "http://a");
  EXPECT_EQ(DisplayText("http://a", "A"), "A");
}

TEST(TextExtension, OnlyDotTxtInAnyCase) {
  for (const char* path : {"C:\\a\\list.txt", "list.TXT", "a.b.Txt", "C:list.txt", "x/y.txt"}) {
    EXPECT_TRUE(HasTextExtension(path)) << path;
  }
  std::string tooLong = "C:\\" + std::string(253, 'a') + ".txt";
  ASSERT_EQ(tooLong.size(), 260u);
  EXPECT_TRUE(HasTextExtension(tooLong));
  for (std::string path :
       {std::string(""), std::string("list.txt.bak"), std::string("list"), std::string("list."),
        std::string("C:\\a.txt\\list"), std::string("C:\\dir.txt\\"), std::string("a.txt:"),
        std::string(".txtx"), "C:\\" + std::string(254, 'a') + ".txt"}) {
    EXPECT_FALSE(HasTextExtension(path)) << path;
  }
}

}  // namespace
