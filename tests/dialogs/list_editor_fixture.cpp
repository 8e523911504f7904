#include "list_editor_fixture.h"

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "support/clipboard.h"

std::string EntryLine(int i) {
  char line[64];
  snprintf(line, sizeof line, "http://site%02d.example, Site %02d", i, i);
  return line;
}

FILETIME WriteTime(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

HWND EditBox() {
  return gListEditor.editBox;
}
bool EditorOpen() {
  return gListEditor.dialog && IsWindowVisible(gListEditor.dialog);
}
std::string EditText() {
  return GetControlText(EditBox());
}
std::wstring EditWideText() {
  int length = TextLength(EditBox());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(EditBox(), text.data(), length + 1)));
  return text;
}
bool EditModified() {
  return SendMessageW(EditBox(), EM_GETMODIFY, 0, 0) != 0;
}
void ReplaceSelection(const char* text) {
  SendMessageA(EditBox(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

void TypeCharacters(const std::wstring& text) {
  for (wchar_t c : text) {
    if (c != L'\n') SendMessageW(EditBox(), WM_CHAR, c, 1);
  }
}

void PasteText(const std::wstring& text) {
  ASSERT_TRUE(PutOnClipboard(text));
  SendMessageW(EditBox(), WM_PASTE, 0, 0);
}

void PostClose(WPARAM lowBits) {
  PostMessageW(gListEditor.dialog, WM_SYSCOMMAND, SC_CLOSE | lowBits, 0);
}

ScriptStep BackInTheEditor(const NoticeWatcher& watcher, size_t count, std::function<void()> check,
                           WPARAM closeBits) {
  return {"back in the editor",
          [&watcher, count] { return watcher.Notices().size() >= count && !gListEditor.closing; },
          [check, closeBits] {
            EXPECT_TRUE(EditorOpen());
            EXPECT_TRUE(EditModified());
            check();
            PostClose(closeBits);
          }};
}

void ListEditorTest::SetUp() {
  folder_ = MakeScratchFolder(L"quillet-editor");
  ASSERT_FALSE(folder_.empty()) << "no temporary folder";
  file_ = folder_ + L"list.txt";
  path_ = ToUtf8(file_);
  std::string text;
  for (int i = 1; i <= kEntries; ++i) text += EntryLine(i) + "\r\n";
  UseList(text);
}

void ListEditorTest::TearDown() {
  ClearWebsiteList();
  RemoveFolder(folder_);
}

void ListEditorTest::UseList(const std::string& bytes) {
  ASSERT_TRUE(WriteFileBytes(file_, bytes));
  original_ = ReadFileBytes(file_);
  gWebsiteList.listFilePath = path_;
  ASSERT_EQ(LoadListFile(), LoadOutcome::kLoaded);
}

void ListEditorTest::RunEditor(int selected, std::vector<ScriptStep> steps) {
  ListSelect(mainDialog_, kMainListId, selected);
  RunEditorWith(ListToText(), std::move(steps));
}

void ListEditorTest::RunEditorWith(const std::string& text, std::vector<ScriptStep> steps) {
  StartScript(std::move(steps));
  EXPECT_TRUE(ShowListEditor(mainDialog_, 50, 50, 300, 280, text));
  EXPECT_EQ(FinishScript(), "");
  EXPECT_EQ(gListEditor.dialog, nullptr) << "the editor has gone";
  EXPECT_TRUE(IsWindowEnabled(mainDialog_)) << "the main dialog takes input again";
}

void ListEditorTest::ExpectListUntouched(int selected) {
  EXPECT_EQ(ReadFileBytes(file_), original_);
  EXPECT_EQ(ListCount(mainDialog_, kMainListId), kEntries);
  EXPECT_EQ(ListSelected(mainDialog_, kMainListId), selected);
}
