#include "dialogs/list_editor.h"

#include <gtest/gtest.h>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/entry_store.h"
#include "list_editor_fixture.h"
#include "support/dialog_script.h"

namespace {

// Every line of the test list is 30 characters and a line break.
void ExpectMarkedLine(int line, int firstVisible) {
  DWORD first = 0, end = 0;
  SendMessageW(EditBox(), EM_GETSEL, reinterpret_cast<WPARAM>(&first),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(first, static_cast<DWORD>(line * 32)) << "line " << line;
  EXPECT_EQ(end, static_cast<DWORD>(line * 32 + 30)) << "line " << line << " without its break";
  EXPECT_EQ(SendMessageW(EditBox(), EM_GETFIRSTVISIBLELINE, 0, 0), firstVisible);
  EXPECT_FALSE(EditModified());
}

void ExpectEditorWindow(HWND owner) {
  EXPECT_EQ(GetControlText(gListEditor.dialog), "Add or change websites");
  RECT client = {0, 0, 0, 0}, editor = {0, 0, 0, 0};
  GetClientRect(gListEditor.dialog, &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 280);
  POINT origin = {0, 0};
  ClientToScreen(owner, &origin);
  GetWindowRect(gListEditor.dialog, &editor);
  EXPECT_EQ(editor.left - origin.x, 50) << "placed from the owner's client origin";
  EXPECT_EQ(editor.top - origin.y, 50);
}

TEST_F(ListEditorTest, MarksTheSelectedEntryAndClosesUnchangedWithoutAsking) {
  struct Case {
    int selected;
    int line;
    int firstVisible;
  };
  for (Case c : {Case{5, 4, 4}, Case{0, 0, 0}, Case{1, 0, 0}}) {
    FILETIME writtenBefore = WriteTime(file_);
    NoticeWatcher watcher;
    RunEditor(c.selected, {{"editor open", EditorOpen, [&] {
                              ExpectMarkedLine(c.line, c.firstVisible);
                              ExpectEditorWindow(mainDialog_);
                              PostClose();
                            }}});
    EXPECT_TRUE(watcher.Notices().empty()) << "nothing asked";
    ExpectListUntouched(c.selected);
    FILETIME writtenAfter = WriteTime(file_);
    EXPECT_EQ(CompareFileTime(&writtenBefore, &writtenAfter), 0) << "file not rewritten";
  }
}

TEST_F(ListEditorTest, AChangeUndoneStillAsksAndCancelKeepsEditing) {
  NoticeWatcher watcher({IDCANCEL, IDNO});
  std::string opened;
  RunEditor(5, {{"editor open", EditorOpen,
                 [&] {
                   opened = EditText();
                   SendMessageW(EditBox(), EM_SETSEL, 0, 0);
                   SendMessageW(EditBox(), WM_CHAR, 'x', 0);
                   SendMessageW(EditBox(), WM_CHAR, VK_BACK, 0);
                   PostClose();
                 }},
                BackInTheEditor(
                    watcher, 1, [&] { EXPECT_EQ(EditText(), opened); }, 3)});
  std::vector<SeenNotice> notices = watcher.Notices();
  ASSERT_EQ(notices.size(), 2u) << "asked again after Cancel; No ended it";
  for (const SeenNotice& notice : notices) {
    ExpectNotice(notice, "Do you want to save this data?", MB_ICONQUESTION);
  }
  ExpectListUntouched(5);
}

TEST_F(ListEditorTest, YesSavesTheTextAndSelectsTheEntryOnTheCaretsLine) {
  NoticeWatcher watcher({IDYES});
  RunEditor(5, {{"editor open", EditorOpen, [] {
                   SendMessageW(EditBox(), EM_SETSEL, 0, -1);
                   ReplaceSelection(
                       "http://a.example, Mid\r\nhttp://b.example, Zed\r\n"
                       "http://c.example, Alpha\r\n");
                   SendMessageW(EditBox(), EM_SETSEL, 30, 30);  // on the line of Zed
                   PostClose();
                 }}});
  EXPECT_EQ(watcher.Notices().size(), 1u);
  EXPECT_EQ(ReadFileBytes(file_).rfind(
                "http://a.example, Mid\r\nhttp://b.example, Zed\r\nhttp://c.example, Alpha\r\n", 0),
            0u);
  EXPECT_EQ(ListCount(mainDialog_, kMainListId), 3);
  EXPECT_EQ(ListItemText(mainDialog_, kMainListId, ListSelected(mainDialog_, kMainListId)), "Zed");
}

TEST_F(ListEditorTest, FollowsResizingAndEnterAddsALineBreak) {
  NoticeWatcher watcher({IDNO});
  RunEditor(1, {{"editor open", EditorOpen,
                 [] {
                   SetWindowPos(gListEditor.dialog, nullptr, 0, 0, 420, 330,
                                SWP_NOMOVE | SWP_NOZORDER);
                   RECT client = {0, 0, 0, 0}, edit = {0, 0, 0, 0};
                   GetClientRect(gListEditor.dialog, &client);
                   GetWindowRect(EditBox(), &edit);
                   EXPECT_EQ(edit.right - edit.left, client.right);
                   EXPECT_EQ(edit.bottom - edit.top, client.bottom);
                   SendMessageW(EditBox(), EM_SETSEL, 0, 0);
                   PostMessageW(EditBox(), WM_KEYDOWN, VK_RETURN, 1);
                 }},
                {"line break typed", [] { return EditText().rfind("\r\nhttp", 0) == 0; },
                 [] {
                   EXPECT_TRUE(EditorOpen()) << "Enter does not close the editor";
                   PostClose();
                 }}});
  EXPECT_EQ(watcher.Notices().size(), 1u);
  ExpectListUntouched(1);
}

// The save question has no owner: the editor's close box can be pressed again while it is
// open, and the editor can even be ended meanwhile.
TEST_F(ListEditorTest, ASecondCloseDuringTheQuestionNeitherAsksNorSaves) {
  HWND editor = nullptr;
  RunEditor(5, {{"editor open", EditorOpen,
                 [&] {
                   editor = gListEditor.dialog;
                   SendMessageW(EditBox(), WM_CHAR, 'x', 0);
                   PostClose();
                 }},
                {"question open", [] { return OpenNotices(ThisThread()).size() == 1; },
                 [] { PostClose(); }},
                {"second close handled", nullptr, [&] {
                   EXPECT_EQ(OpenNotices(ThisThread()).size(), 1u) << "no second question";
                   DismissDialog(editor, 0);
                   for (HWND notice : OpenNotices(ThisThread())) AnswerNotice(notice, IDYES);
                 }}});
  ExpectListUntouched(5);
}

TEST_F(ListEditorTest, ACloseDuringTheSavesOwnNoticeIsDropped) {
  RunEditor(5, {{"editor open", EditorOpen,
                 [] {
                   SendMessageW(EditBox(), EM_SETSEL, 0, -1);
                   ReplaceSelection("");
                   PostClose();
                 }},
                {"question open", [] { return OpenNotices(ThisThread()).size() == 1; },
                 [] { AnswerNotice(OpenNotices(ThisThread())[0], IDYES); }},
                {"empty list reported",
                 [] { return OpenNotices(ThisThread()).size() == 1 && gListEditor.closing; },
                 [] { PostClose(); }},
                {"close handled", nullptr, [] {
                   EXPECT_EQ(OpenNotices(ThisThread()).size(), 1u) << "no question during the save";
                   for (HWND notice : OpenNotices(ThisThread())) AnswerNotice(notice, IDOK);
                 }}});
  EXPECT_EQ(ReadFileBytes(file_), "\r\n\r\n");
}

TEST_F(ListEditorTest, AFailedSaveKeepsTheEditorOpenWithTheChangedText) {
  SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY);
  NoticeWatcher watcher({IDYES, IDOK, IDNO});
  std::string edited;
  RunEditor(5, {{"editor open", EditorOpen,
                 [&] {
                   ReplaceSelection("http://changed.example, Changed");
                   edited = EditText();
                   PostClose();
                 }},
                BackInTheEditor(watcher, 2, [&] { EXPECT_EQ(EditText(), edited); })});
  ASSERT_EQ(watcher.Notices().size(), 3u) << "question, refusal, question again";
  EXPECT_NE(watcher.Notices()[1].text.find("list.txt"), std::string::npos);
  ExpectListUntouched(5);
}

TEST(EditorLineToSelect, CaretLineFromOneOrTheLineAboveWhenEmpty) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"", ES_MULTILINE, 0, 0, 200, 200, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  struct Case {
    const char* text;
    int first, end;  // the selection
    int32_t line;
  };
  const Case cases[] = {
      {"http://a\r\nhttp://b\r\nhttp://c\r\n\r\nhttp://e", 22, 22, 3},  // third line, text
      {"http://a\r\nhttp://b\r\nhttp://c\r\n\r\nhttp://e", 30, 30, 3},  // empty fourth line
      {"\r\nhttp://b", 0, 0, 0},                                        // empty first line
      {"http://a\r\nhttp://b\r\nhttp://c\r\nhttp://d", 12, 25, 2},      // lines 2 to 4
      {"http://a\r\nhttp://b\r\nhttp://c\r\nhttp://d", 25, 12, 2},      // made backwards
      {"http://a\r\n", 10, 10, 1},  // the empty line after the final line break
      {"", 0, 0, 0},
  };
  for (const Case& c : cases) {
    SetWindowTextA(edit, c.text);
    SendMessageW(edit, EM_SETSEL, c.first, c.end);
    EXPECT_EQ(EditorLineToSelect(edit), c.line) << c.text << " @" << c.first << "-" << c.end;
  }
  DestroyWindow(edit);
}

}  // namespace
