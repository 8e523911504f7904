// End to end: folders and names in any script, and lists as today's editors write them (UTF-8
// without a mark, LF line ends), on a system whose code page is Western (1252).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "e2e_session.h"

namespace {

using Strings = std::vector<std::string>;

// Names in Latin with accents, Cyrillic and Chinese, and a fourth script (Greek) typed later.
constexpr char kLatin[] = "Caf\xC3\xA9 M\xC3\xBCller";
constexpr char kCyrillic[] = "\xD0\x97\xD0\xB0\xD0\xBA\xD0\xBB\xD0\xB0\xD0\xB4\xD0\xBA\xD0\xB8";
constexpr char kChinese[] = "\xE6\x9B\xB8\xE7\xB1\xA4";
constexpr char kGreek[] = "\xCE\xA3\xCE\xB5\xCE\xBB\xCE\xAF\xCE\xB4\xCE\xB5\xCF\x82";

Strings Sorted(Strings texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}

bool MakeFolder(const std::wstring& folder) {
  return CreateDirectoryW(folder.c_str(), nullptr) != FALSE;
}

// The program and its list in a folder named in three scripts; the list shown, an entry named
// in a fourth script typed and saved in the list's own form, and another list chosen from a
// Cyrillic folder.
TEST(EndToEnd, FoldersAndNamesInAnyScriptAreShownSavedAndReloaded) {
  Session session;
  const std::wstring home =
      session.folder + ToWide(std::string("Zakladki-") + kCyrillic + "-" + kChinese) + L"\\";
  ASSERT_TRUE(MakeFolder(home));
  ASSERT_TRUE(session.PlaceProgram(home + L"quillet.exe"));
  // Each name's line, as the list file holds it and as a save writes it.
  const std::pair<std::string, std::string> lines[] = {
      {kLatin, std::string("http://cafe.example/") + kLatin + ", " + kLatin},
      {kChinese, std::string("https://") + kChinese + ".example, " + kChinese},
      {kCyrillic, std::string("www.zakladki.example, ") + kCyrillic},
  };
  std::string list;
  for (const auto& line : lines) list += line.second + "\n";
  ASSERT_TRUE(WriteFileBytes(home + L"myQuillet.txt", list));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 3")) << session.Counter();
  const Strings shown = ListItems(session.List());
  EXPECT_EQ(Sorted(shown), Sorted({kLatin, kCyrillic, kChinese}));
  // The browser gets the address as written.
  const int chinese =
      static_cast<int>(std::find(shown.begin(), shown.end(), kChinese) - shown.begin()) + 1;
  ClickListItem(session.List(), chinese, true);
  ASSERT_TRUE(WaitForLaunches(session.launchLog, 1)) << "a double click opened nothing";
  EXPECT_EQ(CapturedLaunches(session.launchLog)[0],
            std::string("https://") + kChinese + ".example/");
  ClickListItem(session.List(), 1, false);
  ASSERT_TRUE(session.WaitForCounter("Website: 1 of 3")) << session.Counter();

  const std::string typed = std::string("http://greek.example, ") + kGreek;
  HWND editor = AddLineAndSave(session, typed + "\r\n");
  ASSERT_TRUE(editor) << "the editor did not open";
  ASSERT_TRUE(WaitForWindowGone(editor));
  ASSERT_TRUE(session.WaitForCounter("Website: 1 of 4")) << session.Counter();
  // UTF-8 without a mark and LF line ends, as it was; the lines in the editor's order.
  std::string saved = typed + "\n";
  for (const std::string& name : shown) {
    for (const auto& line : lines) {
      if (line.first == name) saved += line.second + "\n";
    }
  }
  EXPECT_EQ(ReadFileBytes(home + L"myQuillet.txt"), saved + "\n\n");
  EXPECT_EQ(Sorted(ListItems(session.List())), Sorted({kLatin, kCyrillic, kChinese, kGreek}));

  // Another list, in a folder of Cyrillic letters.
  const std::wstring other = session.folder + ToWide(kCyrillic) + L"\\";
  ASSERT_TRUE(MakeFolder(other));
  ASSERT_TRUE(WriteFileBytes(other + L"list.txt",
                             "http://a.example, A\r\nwww.b.example, B\r\n"
                             "http://c.example, C\r\n"));
  ClickButton(session.main, kAnotherListId);
  HWND fileDialog = WaitForWindow(session.quillet, "Open File");
  ASSERT_TRUE(fileDialog) << "no open-file dialog";
  ASSERT_TRUE(ChooseFileInDialog(fileDialog, other + L"list.txt"));
  ASSERT_TRUE(session.WaitForCounter("Website: 1 of 3")) << session.Counter();
  EXPECT_EQ(ListItems(session.List()), (Strings{"A", "B", "C"}));
  EXPECT_TRUE(session.CloseAndExit());
}

// A list of the Western code page that is given a Chinese name: No goes back to the editor
// with nothing saved, Yes saves the whole list as UTF-8 with a byte-order mark.
TEST(EndToEnd, ACharacterAnEightBitListCannotHoldMakesItUtf8WhenTheUserAgrees) {
  Session session;
  const std::string list = "http://cafe.example, Caf\xE9\r\n";
  ASSERT_TRUE(session.WriteList(L"myQuillet.txt", list));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 1")) << session.Counter();

  const std::string typed = std::string("http://shu.example, ") + kChinese + "\r\n";
  HWND editor = TypeLineAndClose(session, typed);
  ASSERT_TRUE(editor) << "the editor did not open";
  for (int answer : {IDNO, IDYES}) {
    HWND question = WaitForNotice(session.quillet, kSaveQuestion);
    ASSERT_TRUE(question) << "no save question";
    AnswerNotice(question, IDYES);
    HWND unfit = WaitForNotice(session.quillet, "Line 1 holds characters");
    ASSERT_TRUE(unfit) << "the characters the code page lacks were not asked about";
    EXPECT_NE(NoticeText(unfit).find("UTF-8"), std::string::npos) << NoticeText(unfit);
    AnswerNotice(unfit, answer);
    if (answer == IDNO) {
      ASSERT_TRUE(WaitForWindowGone(unfit));
      EXPECT_TRUE(IsWindowVisible(editor)) << "No goes back to the editor";
      EXPECT_EQ(ReadFileBytes(session.folder + L"myQuillet.txt"), list);
      CloseWithCloseBox(editor);
    }
  }
  ASSERT_TRUE(WaitForWindowGone(editor));
  EXPECT_EQ(ReadFileBytes(session.folder + L"myQuillet.txt"),
            "\xEF\xBB\xBF" + typed + "http://cafe.example, Caf\xC3\xA9\r\n\r\n\r\n");
  ASSERT_TRUE(session.WaitForCounter("Website: 1 of 2")) << session.Counter();
  EXPECT_EQ(Sorted(ListItems(session.List())), Sorted({"Caf\xC3\xA9", kChinese}));
  EXPECT_TRUE(session.CloseAndExit());
}

}  // namespace
