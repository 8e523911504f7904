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

TEST(WebAddress, AcceptsOnlyWebSchemesInAnyCase) {
  for (const char* url :
       {"http://example.com", "https://example.com/a b", "HTTP://EXAMPLE.COM", "HtTpS://x",
        "www.example.org", "WWW.example.org", "  http://padded.example  ",
        "http://ex\xE4mple.de/caf\xE9", "http://x/?q=a,b&c=%22"}) {
    EXPECT_TRUE(IsWebAddress(url)) << url;
  }
}

TEST(WebAddress, RefusesProgramsSharesOtherSchemesAndBrokenText) {
  for (const char* url : {"",
                          "   ",
                          "httpd.exe",
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
                          "\thttp://tab.example",
                          "http://a\"b",
                          "\"http://quoted.example\"",
                          "http://a\tb",
                          "http://a\nb",
                          "http://a\x1f"}) {
    EXPECT_FALSE(IsWebAddress(url)) << url;
  }
}

TEST(LaunchText, QuotesTheUrlTrimmedOfBlanksOnly) {
  EXPECT_EQ(LaunchText("http://a"), "\"http://a\"");
  EXPECT_EQ(LaunchText("  http://a b  "), "\"http://a b\"") << "inner blanks stay";
  EXPECT_EQ(LaunchText("www.x\t"), "\"www.x\t\"") << "only blanks are trimmed";
}

TEST(LaunchText, IsNeverCut) {
  std::string url = "http://example.com/" + std::string(600, 'a');
  std::string text = LaunchText(url);
  ASSERT_EQ(text.size(), url.size() + 2);
  EXPECT_EQ(text.front(), '"');
  EXPECT_EQ(text.back(), '"') << "a cut text would lose its closing quote";
}

TEST(NotWebAddressText, ShowsTheRefusedEntry) {
  std::string text = NotWebAddressText("  httpd.exe ");
  EXPECT_NE(text.find("not a web address"), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 11), "\r\nhttpd.exe");
}

}  // namespace
