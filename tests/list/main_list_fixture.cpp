#include "main_list_fixture.h"

#include <algorithm>

#include "dialog_layer/dialog_layer.h"
#include "list/list_format.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "support/scratch_files.h"

void MainListTest::SetUp() {
  ClearWebsiteList();
  folder_ = MakeScratchFolder(L"quillet-list");
  ASSERT_FALSE(folder_.empty()) << "no temporary folder";
  mainList_.emplace();
  host_ = mainList_->Dialog();
  list_ = mainList_->List();
  font_ = CreateFontW(-28, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

void MainListTest::TearDown() {
  mainList_.reset();
  if (font_) DeleteObject(font_);
  if (!folder_.empty()) RemoveFolder(folder_);
  ClearWebsiteList();
}

std::string MainListTest::PathOf(const std::string& name) const {
  return ToUtf8(folder_) + name;
}

void MainListTest::WriteFileBytes(const std::string& name, std::string_view bytes) const {
  ASSERT_TRUE(::WriteFileBytes(ToWide(PathOf(name)), std::string(bytes))) << name;
}

std::string MainListTest::FileBytes(const std::string& name) const {
  std::wstring path = ToWide(PathOf(name));
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return "<missing>";
  return ReadFileBytes(path);
}

std::vector<std::string> MainListTest::FolderContents() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder_ + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(ToUtf8(name));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

LoadOutcome MainListTest::Load(const std::string& name) {
  gWebsiteList.listFilePath = PathOf(name);
  return LoadListFile();
}

void MainListTest::ExpectItemsMatchEntries() const {
  const int32_t count = gWebsiteList.file.entryCount;
  ASSERT_EQ(ListCount(host_, kMainListId), count);
  std::vector<bool> seen(static_cast<size_t>(count) + 1, false);
  for (int p = 1; p <= count; ++p) {
    int32_t entry = ListGetItemData(host_, kMainListId, p);
    ASSERT_TRUE(entry >= 1 && entry <= count) << "position " << p << " carries " << entry;
    EXPECT_FALSE(seen[static_cast<size_t>(entry)]) << "entry " << entry << " twice";
    seen[static_cast<size_t>(entry)] = true;
    std::string_view shown =
        DisplayText(EntryUrl(gWebsiteList, entry), EntryName(gWebsiteList, entry));
    EXPECT_EQ(ListItemText(host_, kMainListId, p), std::string(shown.substr(0, shown.find('\0'))))
        << "position " << p;
  }
}

std::vector<std::string> MainListTest::ItemTexts() const {
  std::vector<std::string> texts;
  for (int p = 1; p <= ListCount(host_, kMainListId); ++p) {
    texts.push_back(ListItemText(host_, kMainListId, p));
  }
  return texts;
}

std::vector<int32_t> MainListTest::ItemEntries() const {
  std::vector<int32_t> entries;
  for (int p = 1; p <= ListCount(host_, kMainListId); ++p) {
    entries.push_back(ListGetItemData(host_, kMainListId, p));
  }
  return entries;
}

int MainListTest::Selected() const {
  return ListSelected(host_, kMainListId);
}

int MainListTest::ScrollWidth() const {
  return static_cast<int>(SendMessageW(list_, LB_GETHORIZONTALEXTENT, 0, 0));
}

int MainListTest::ExpectedScrollWidth(const std::vector<std::string>& texts) const {
  HDC context = GetDC(list_);
  HGDIOBJ previous = SelectObject(context, font_);
  LONG widest = 0;
  for (const std::string& text : texts) {
    SIZE size = {};
    GetTextExtentPoint32A(context, text.data(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, size.cx);
  }
  SelectObject(context, previous);
  ReleaseDC(list_, context);
  return static_cast<int>(widest) + 8;
}
