// End to end: start-up with a list, selecting and opening websites, help, keys, closing; and
// start-up without a list, through the editor to a saved list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "e2e_session.h"

namespace {

using Strings = std::vector<std::string>;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Five entries in file order, among lines the load ignores.
constexpr char kFiveEntries[] =
    "http://zeta.example, Zeta\r\n"
    "http://alpha.example, Alpha\r\n"
    "# not an entry\r\n"
    "www.mango.example, Mango\r\n"
    "https://beta.example/page, beta\r\n"
    "http://delta.example\r\n";

TEST(EndToEnd, StartUpShowsTheSortedListAndOpensTheSelectedWebsite) {
  Session session;
  ASSERT_TRUE(session.WriteList(L"myQuillet.txt", kFiveEntries));
  ASSERT_TRUE(session.Start(L"ignored.txt")) << "main dialog did not appear";

  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 5")) << session.Counter();
  EXPECT_EQ(ListItems(session.List()),
            (Strings{"Alpha", "beta", "http://delta.example", "Mango", "Zeta"}));
  EXPECT_EQ(ListSelection(session.List()), 1);
  EXPECT_EQ(StatusText(session.quillet, session.StatusBar(), 1), " F1-Help");
  RECT frame = WindowRectangle(session.main);
  EXPECT_EQ(frame.left, 2);
  EXPECT_EQ(frame.top, 2);
  SIZE client = ClientSize(session.main);
  EXPECT_EQ(client.cx, 310);
  EXPECT_EQ(client.cy, 350);

  ClickListItem(session.List(), 3, false);
  ASSERT_TRUE(session.WaitForCounter("Website: 3 of 5")) << session.Counter();

  PressKey(session.List(), VK_RETURN);
  ASSERT_TRUE(WaitForLaunches(session.launchLog, 1)) << "Enter opened nothing";
  EXPECT_TRUE(StartsWith(CapturedLaunches(session.launchLog)[0], "http://delta.example"));

  ClickListItem(session.List(), 2, true);
  ASSERT_TRUE(WaitForLaunches(session.launchLog, 2)) << "a double click opened nothing";
  EXPECT_TRUE(StartsWith(CapturedLaunches(session.launchLog)[1], "https://beta.example/page"));
  EXPECT_TRUE(session.WaitForCounter("Website: 2 of 5")) << session.Counter();

  // Enter on a focused button still opens the selected website instead of pressing it.
  PressKey(GetDlgItem(session.main, kChangeListId), VK_RETURN);
  ASSERT_TRUE(WaitForLaunches(session.launchLog, 3)) << "Enter on a button opened nothing";
  EXPECT_TRUE(StartsWith(CapturedLaunches(session.launchLog)[2], "https://beta.example/page"));
  EXPECT_TRUE(IsWindowEnabled(session.main)) << "the editor opened";

  EXPECT_TRUE(session.CloseAndExit());
}

TEST(EndToEnd, EntriesThatAreNotWebAddressesOpenNothingAndSaySo) {
  Session session;
  ASSERT_TRUE(session.WriteList(L"myQuillet.txt",
                                "httpd.exe\r\n"
                                "http:\\\\server\\share\\tool.exe, Tool\r\n"
                                "http://good.example, Good\r\n"));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 3")) << session.Counter();
  ASSERT_EQ(ListItems(session.List()), (Strings{"Good", "httpd.exe", "Tool"}));

  struct Case {
    int position;
    const char* url;
    bool byKey;
  };
  for (const Case& c :
       {Case{2, "httpd.exe", false}, Case{3, "http:\\\\server\\share\\tool.exe", true}}) {
    ClickListItem(session.List(), c.position, false);
    ASSERT_TRUE(session.WaitForCounter("Website: " + std::to_string(c.position) + " of 3"));
    if (c.byKey) {
      PressKey(session.List(), VK_RETURN);
    } else {
      ClickButton(session.main, kShowItId);
    }
    HWND notice = WaitForNotice(session.quillet, "not a web address");
    ASSERT_TRUE(notice) << "no notice for " << c.url;
    EXPECT_NE(NoticeText(notice).find(c.url), std::string::npos) << NoticeText(notice);
    AnswerNotice(notice, IDOK);
    ASSERT_TRUE(WaitForWindowGone(notice));
  }

  // A web address still opens, and it is the only launch recorded.
  ClickListItem(session.List(), 1, true);
  ASSERT_TRUE(WaitForLaunches(session.launchLog, 1));
  Strings launches = CapturedLaunches(session.launchLog);
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_TRUE(StartsWith(launches[0], "http://good.example"));
  EXPECT_TRUE(session.CloseAndExit());
}

TEST(EndToEnd, HelpNamesTheDataFileAndEscapeLeavesTheDialogOpen) {
  Session session;
  ASSERT_TRUE(session.WriteList(L"myQuillet.txt", kFiveEntries));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 5"));

  // Escape is handled before F1 (posted in this order); the help box proves the main dialog
  // is still there and still takes its keys.
  PressKey(session.List(), VK_ESCAPE);
  PressKey(session.List(), VK_F1);
  HWND help = WaitForWindow(session.quillet, "Program Help");
  ASSERT_TRUE(help) << "F1 showed no help";
  RECT frame = WindowRectangle(help);
  EXPECT_EQ(frame.left, 200);
  EXPECT_EQ(frame.top, 100);
  std::string text = StaticTexts(help).at(0);
  EXPECT_NE(text.find("Program file: " + ToUtf8(session.folder) + "quillet.exe"), std::string::npos)
      << text;
  EXPECT_NE(text.find("Data file: " + ToUtf8(session.folder) + "myQuillet.txt"), std::string::npos)
      << text;
  ClickButton(help, kHelpOkId);
  ASSERT_TRUE(WaitForWindowGone(help));

  // A click on " F1-Help" in the status bar shows the same box.
  ClickWindow(GetDlgItem(session.main, kHelpLabelId));
  help = WaitForWindow(session.quillet, "Program Help");
  ASSERT_TRUE(help) << "the help label showed no help";
  ClickButton(help, kHelpOkId);
  ASSERT_TRUE(WaitForWindowGone(help));

  EXPECT_TRUE(IsWindowVisible(session.main));
  EXPECT_TRUE(session.CloseAndExit());
}

TEST(EndToEnd, MissingDefaultListLeadsThroughTheEditorToASavedList) {
  Session session;
  ASSERT_TRUE(session.Start());

  HWND notice = WaitForNotice(session.quillet, "not found");
  ASSERT_TRUE(notice) << "no not-found message";
  EXPECT_EQ(WindowText(notice), "File not found");
  EXPECT_EQ(NoticeText(notice),
            "Opening file (myQuillet.txt) not found\r\n\r\n"
            "... begin adding websites, such as:\r\n"
            "https://www.example.com, Example Site");
  AnswerNotice(notice, IDOK);

  HWND editor = WaitForWindow(session.quillet, kEditorCaption);
  ASSERT_TRUE(editor) << "the editor did not open";
  HWND edit = GetDlgItem(editor, kEditBoxId);
  EXPECT_EQ(WindowText(edit), "");
  TypeText(edit, "http://b.example, Bee\r\nwww.a.example, Ay\r\n");
  ASSERT_TRUE(WaitForText(edit, "http://b.example, Bee\r\nwww.a.example, Ay\r\n"));
  CloseWithCloseBox(editor);

  HWND question = WaitForNotice(session.quillet, "Do you want to save this data?");
  ASSERT_TRUE(question);
  AnswerNotice(question, IDYES);
  ASSERT_TRUE(WaitForWindowGone(editor));
  ASSERT_TRUE(WaitForWindowEnabled(session.main));

  EXPECT_EQ(ReadFileBytes(session.folder + L"myQuillet.txt"),
            "http://b.example, Bee\r\nwww.a.example, Ay\r\n\r\n\r\n");
  EXPECT_EQ(ListItems(session.List()), (Strings{"Ay", "Bee"}));
  EXPECT_TRUE(session.CloseAndExit());
}

}  // namespace
