// End to end: choosing another list, and a default list that exists but cannot be read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "e2e_session.h"

namespace {

using Strings = std::vector<std::string>;

constexpr char kTwoEntries[] = "http://one.example, One\r\nhttp://two.example, Two\r\n";

HWND OpenAnotherList(Session& session) {
  ClickButton(session.main, kAnotherListId);
  return WaitForWindow(session.quillet, "Open File");
}

std::string HelpTextOf(Session& session) {
  PressKey(session.List(), VK_F1);
  HWND help = WaitForWindow(session.quillet, "Program Help");
  if (!help) return "(no help box)";
  std::string text = StaticTexts(help).at(0);
  ClickButton(help, kHelpOkId);
  WaitForWindowGone(help);
  return text;
}

TEST(EndToEnd, AnotherListLoadsTextFilesAndRefusesOthers) {
  Session session;
  ASSERT_TRUE(session.WriteList(L"myQuillet.txt", kTwoEntries));
  ASSERT_TRUE(session.WriteList(
      L"other.txt", "www.c.example, Cee\r\nhttp://a.example, Ay\r\nhttp://b.example\r\n"));
  ASSERT_TRUE(session.WriteList(L"other.dat", kTwoEntries));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 2"));

  // Cancel changes nothing. (Pressing the button took the focus from the main list, which
  // rewrote the counter in its ordinary form.)
  HWND fileDialog = OpenAnotherList(session);
  ASSERT_TRUE(fileDialog) << "no open-file dialog";
  RECT mainFrame = WindowRectangle(session.main);
  RECT dialogFrame = WindowRectangle(fileDialog);
  EXPECT_EQ(dialogFrame.left - mainFrame.left, 30);
  EXPECT_EQ(dialogFrame.top - mainFrame.top, 30);
  CancelFileDialog(fileDialog);
  ASSERT_TRUE(WaitForWindowGone(fileDialog));
  ASSERT_TRUE(WaitForWindowEnabled(session.main));
  EXPECT_EQ(ListItems(session.List()), (Strings{"One", "Two"}));
  EXPECT_EQ(session.Counter(), "Website: 1 of 2");

  // A text file is loaded and its first item selected.
  fileDialog = OpenAnotherList(session);
  ASSERT_TRUE(fileDialog);
  ASSERT_TRUE(ChooseFileInDialog(fileDialog, session.folder + L"other.txt"));
  ASSERT_TRUE(session.WaitForCounter("Website: 1 of 3")) << session.Counter();
  EXPECT_EQ(ListItems(session.List()), (Strings{"Ay", "Cee", "http://b.example"}));
  EXPECT_EQ(ListSelection(session.List()), 1);

  // Any other file: two notices, then the editor with an empty text.
  fileDialog = OpenAnotherList(session);
  ASSERT_TRUE(fileDialog);
  ASSERT_TRUE(ChooseFileInDialog(fileDialog, session.folder + L"other.dat"));
  for (const char* text : {"Selected file is not a text file", "File has no content"}) {
    HWND notice = WaitForNotice(session.quillet, text);
    ASSERT_TRUE(notice) << "missing notice: " << text;
    AnswerNotice(notice, IDOK);
    ASSERT_TRUE(WaitForWindowGone(notice));
  }
  HWND editor = WaitForWindow(session.quillet, kEditorCaption);
  ASSERT_TRUE(editor);
  EXPECT_EQ(WindowText(GetDlgItem(editor, kEditBoxId)), "");
  CloseWithCloseBox(editor);  // unchanged: closes without a question
  ASSERT_TRUE(WaitForWindowGone(editor));
  ASSERT_TRUE(WaitForWindowEnabled(session.main));

  EXPECT_NE(HelpTextOf(session).find("Data file: " + ToUtf8(session.folder) + "other.dat"),
            std::string::npos);
  EXPECT_TRUE(session.CloseAndExit());
}

TEST(EndToEnd, UnreadableDefaultListIsReportedOnceAndNotEdited) {
  Session session;
  ASSERT_TRUE(session.WriteList(L"myQuillet.txt", kTwoEntries));
  std::wstring listPath = session.folder + L"myQuillet.txt";
  // Held open without sharing, as another program might: the file exists but cannot be read.
  HeldFile held(listPath);
  ASSERT_TRUE(held.handle != INVALID_HANDLE_VALUE);
  ASSERT_TRUE(session.Start());

  HWND notice = WaitForNotice(session.quillet, "");
  ASSERT_TRUE(notice) << "the failed read was not reported";
  std::string text = NoticeText(notice);
  EXPECT_EQ(text.find("File has no content"), std::string::npos) << text;
  AnswerNotice(notice, IDOK);
  ASSERT_TRUE(WaitForWindowGone(notice));

  // F1 is translated only by the main dialog's own loop: the help box shows that the load has
  // finished without a further notice or the editor.
  std::string help = HelpTextOf(session);
  EXPECT_NE(help.find("Data file: " + ToUtf8(listPath)), std::string::npos) << help;
  for (HWND window : TopWindows(session.quillet)) {
    EXPECT_NE(WindowText(window), kEditorCaption);
    EXPECT_EQ(NoticeText(window), "") << "unexpected notice";
  }
  held.Release();
  EXPECT_EQ(ReadFileBytes(listPath), kTwoEntries) << "the list file was changed";
  EXPECT_TRUE(session.CloseAndExit());
}

}  // namespace
