// End to end: the list editor with a list longer than an edit box's default limit (30,000
// characters under Wine, 32,767 on Windows) takes typing, cutting and pasting, and saves all.
#include <gtest/gtest.h>

#include <string>

#include "dialog_layer/dialog_layer.h"
#include "e2e_session.h"
#include "support/clipboard.h"
#include "support/long_list.h"

namespace {

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendWithTimeout(window, message, wParam, lParam);
}

HWND OpenEditor(Session& session) {
  ClickButton(session.main, kChangeListId);
  HWND editor = WaitForWindow(session.quillet, kEditorCaption);
  return editor ? GetDlgItem(editor, kEditBoxId) : nullptr;
}

// Closes the editor with the close box and answers the save question Yes.
void SaveAndClose(Session& session, HWND edit) {
  HWND editor = GetParent(edit);
  CloseWithCloseBox(editor);
  HWND question = WaitForNotice(session.quillet, kSaveQuestion);
  ASSERT_TRUE(question) << "no save question";
  AnswerNotice(question, IDYES);
  ASSERT_TRUE(WaitForWindowGone(editor));
  ASSERT_TRUE(WaitForWindowEnabled(session.main));
}

TEST(EndToEnd, ALongListTakesTypingAndMovedLinesAndIsSavedWhole) {
  Session session;
  ASSERT_TRUE(session.WriteList(L"myQuillet.txt", LongList(1, 1000)));  // 60,000 characters
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 1000")) << session.Counter();
  HWND edit = OpenEditor(session);
  ASSERT_TRUE(edit) << "the editor did not open";
  ASSERT_EQ(TextLength(edit), 60000);

  // Ten lines cut from the top and pasted at the end, as a user reorders the list.
  Send(edit, EM_SETSEL, 0, Send(edit, EM_LINEINDEX, 10));
  Send(edit, WM_CUT);
  Send(edit, EM_SETSEL, 60000 - 600, 60000 - 600);
  Send(edit, WM_PASTE);
  // An entry typed and two pasted at the caret, before the 490th line.
  LRESULT caret = Send(edit, EM_LINEINDEX, 489);
  Send(edit, EM_SETSEL, caret, caret);
  TypeText(edit, "http://typed.example, Typed\r\n");
  ASSERT_TRUE(
      PutOnClipboard(L"http://one.example, Pasted one\r\nhttp://two.example, Pasted two\r\n"));
  PostMessageW(edit, WM_PASTE, 0, 0);  // after the typed characters
  const std::string expected = LongList(11, 489) +
                               "http://typed.example, Typed\r\nhttp://one.example, Pasted one\r\n"
                               "http://two.example, Pasted two\r\n" +
                               LongList(500, 501) + LongList(1, 10);
  ASSERT_TRUE(WaitForText(edit, expected)) << "the editor holds " << TextLength(edit);
  SaveAndClose(session, edit);

  EXPECT_EQ(ReadFileBytes(session.folder + L"myQuillet.txt"), expected + "\r\n\r\n");
  // The caret's line (Site 0500, after the pasted lines) is selected in the reloaded list.
  EXPECT_TRUE(session.WaitForCounter("Website: 502 of 1003")) << session.Counter();
  EXPECT_TRUE(session.CloseAndExit());
}

TEST(EndToEnd, ReplacingTheListWithAPastedTextOfMoreThan100kSavesAllOfIt) {
  Session session;
  ASSERT_TRUE(session.WriteList(L"myQuillet.txt", LongList(1, 10)));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 10")) << session.Counter();
  HWND edit = OpenEditor(session);
  ASSERT_TRUE(edit) << "the editor did not open";

  const std::string pasted = LongList(5001, 2000);  // 120,000 characters
  ASSERT_TRUE(PutOnClipboard(ToWide(pasted)));
  Send(edit, EM_SETSEL, 0, -1);
  Send(edit, WM_PASTE);
  ASSERT_EQ(TextLength(edit), static_cast<int>(pasted.size()));
  SaveAndClose(session, edit);

  EXPECT_EQ(ReadFileBytes(session.folder + L"myQuillet.txt"), pasted + "\r\n\r\n");
  EXPECT_TRUE(session.WaitForCounter("Website: 2000 of 2000")) << session.Counter();
  EXPECT_TRUE(session.CloseAndExit());
}

}  // namespace
