#include "main_dialog/main_dialog_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/list_text.h"

namespace {

std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> pieces;
  ForEachPiece(text, [&](std::string_view piece) { pieces.emplace_back(piece); });
  return pieces;
}

TEST(MainDialogText, CounterTextHasAStartUpAndAnOrdinaryForm) {
  EXPECT_EQ(StartUpCounterText(12), " Website: 1 of 12");
  EXPECT_EQ(CounterText(3, 12), "Website: 3 of 12");
  EXPECT_EQ(CounterText(0, 0), "Website: 0 of 0") << "a click in a refused list's items";
  EXPECT_EQ(CounterText(1234567, 2147483647), "Website: 1234567 of 2147483647");
}

TEST(MainDialogText, HelpTextHasNineLinesNamingProgramAndDataFile) {
  std::vector<std::string> lines = Pieces(HelpText("C:\\Tools\\Q\\", "D:\\lists\\refused.dat"));
  ASSERT_EQ(lines.size(), 9u) << "no CR LF after the last line";
  EXPECT_EQ(lines[0], "Data files are text files with a list of strings,");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "The file that is displayed first is nammed 'myQuillet.txt'");
  EXPECT_EQ(lines[6], "");
  EXPECT_EQ(lines[7], "Program file: C:\\Tools\\Q\\quillet.exe");
  EXPECT_EQ(lines[8], "Data file: D:\\lists\\refused.dat");
}

struct LaunchCase {
  const char* url;
  const char* launchText;
};

TEST(LaunchText, IsAlwaysAQuotedWebAddressWithItsScheme) {
  const LaunchCase cases[] = {
      {"http://example.com", "\"http://example.com\""},
      {"HTTP://EXAMPLE.COM", "\"HTTP://EXAMPLE.COM\""},
      {"HtTpS://x", "\"HtTpS://x\""},
      {"https://example.com/a b", "\"https://example.com/a b\""},
      {"  http://padded.example  ", "\"http://padded.example\""},
      {"http://ex\xC3\xA4mple.de/caf\xC3\xA9", "\"http://ex\xC3\xA4mple.de/caf\xC3\xA9\""},
      {"http://\xE6\x9B\xB8\xE7\xB1\xA4.example/\xD0\x97",
       "\"http://\xE6\x9B\xB8\xE7\xB1\xA4.example/\xD0\x97\""},
      {"http://x/?q=a,b&c=%22", "\"http://x/?q=a,b&c=%22\""},
      // "www." in any letter case gets the scheme in front.
      {"www.example.org", "\"http://www.example.org\""},
      {"WWW.example.org", "\"http://WWW.example.org\""},
      {"wWw.Example.org/Path", "\"http://wWw.Example.org/Path\""},
      {"  www.padded.example ", "\"http://www.padded.example\""},
      {"www.", "\"http://www.\""},
      // Tabs are dropped wherever they stand; blanks only at the ends.
      {"http://a\tb", "\"http://ab\""},
      {"www.x\t", "\"http://www.x\""},
      {"\thttp://tab.example", "\"http://tab.example\""},
      {"\t www.t\tab .example\t ", "\"http://www.tab .example\""},
      // Segments of dots alone would let a file path climb out of the scheme.
      {"www.\\..\\..\\x.exe", "\"http://www.\\%2E%2E\\%2E%2E\\x.exe\""},
      {"http://www.\\..\\..\\x.exe", "\"http://www.\\%2E%2E\\%2E%2E\\x.exe\""},
      {"https://a/b/../../../tool.exe", "\"https://a/b/%2E%2E/%2E%2E/%2E%2E/tool.exe\""},
      {"http://../x.exe", "\"http://%2E%2E/x.exe\""},
      {"http://a/./b/.", "\"http://a/%2E/b/%2E\""},
      {"http://a/.. /. ./...", "\"http://a/%2E%2E /%2E %2E/%2E%2E%2E\""},
      {"http://a/.\t./x", "\"http://a/%2E%2E/x\""},
      {"http://a/?x=/../../y", "\"http://a/?x=/%2E%2E/%2E%2E/y\""},
      // Dots inside a segment stay.
      {"http://a.b/c..d/.e/f./..g", "\"http://a.b/c..d/.e/f./..g\""},
  };
  for (const LaunchCase& c : cases) {
    std::optional<std::string> text = LaunchText(c.url);
    ASSERT_TRUE(text) << c.url;
    EXPECT_EQ(*text, c.launchText) << c.url;
  }
}

TEST(LaunchText, RefusesProgramsSharesOtherSchemesQuotesAndControlCharacters) {
  for (const char* url : {"",
                          "   ",
                          "\t",
                          "httpd.exe",
                          "www.example.com.exe\"",
                          "http:\\\\server\\share\\tool.exe",
                          "http:/x",
                          "https:x",
                          "www",
                          "wwwx.example",
                          "file:///C:/Windows/notepad.exe",
                          "ftp://x",
                          "mailto:a@b",
                          "javascript:alert(1)",
                          "\\\\server\\share\\tool.exe",
                          "C:\\Windows\\notepad.exe",
                          "..\\www.example.com",
                          "http://a\"b",
                          "\"http://quoted.example\"",
                          "www.a\" b.exe",
                          "http://a\nb",
                          "http://a\rb",
                          "www.a\x01",
                          "http://a\x1f",
                          "http://a\x7f",
                          "http://a\xC2\x80",  // C1 controls, U+0080 ...
                          "http://a\xC2\x85"
                          "b",                 // ... NEL ...
                          "http://a\xC2\x9F",  // ... to U+009F
                          "www.a\xE2\x80\xA8"
                          "b",                     // the line separator
                          "www.a\xE2\x80\xA9"}) {  // the paragraph separator
    EXPECT_FALSE(LaunchText(url)) << url;
  }
  EXPECT_FALSE(LaunchText(std::string_view("http://a\0b", 10))) << "a zero byte";
}

TEST(LaunchText, IsNeverCut) {
  std::string url = "http://example.com/" + std::string(600, 'a');
  std::optional<std::string> text = LaunchText(url);
  ASSERT_TRUE(text);
  ASSERT_EQ(text->size(), url.size() + 2);
  EXPECT_EQ(text->back(), '"') << "a cut text would lose its closing quote";
}

TEST(NotWebAddressText, ShowsTheRefusedEntry) {
  std::string text = NotWebAddressText("  httpd.exe ");
  EXPECT_NE(text.find("not a web address"), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 11), "\r\nhttpd.exe");
}

}  // namespace
