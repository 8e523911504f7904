#include <gtest/gtest.h>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_list_fixture.h"
#include "stored_entries.h"
#include "support/dialog_script.h"

namespace {

// Entries 1 to 4 in file order; the list shows them as Bravo (2), charlie (4), Delta (1),
// HTTP://alpha (3), since it sorts without regard to letter case.
constexpr char kFourEntries[] =
    "www.delta.example, Delta\r\n"
    "http://bravo.example,Bravo  \r\n"
    "# not an entry\r\n"
    "HTTP://alpha.example\r\n"
    "https://charlie.example , charlie, the third\r\n";

const std::vector<std::string> kFourDisplayTexts = {"Delta", "Bravo", "HTTP://alpha.example",
                                                    "charlie, the third"};

using ListLoad = MainListTest;

TEST_F(ListLoad, FillsTheListInSortedOrderWithEntryNumbers) {
  WriteFileBytes("list.txt", kFourEntries);
  NoticeWatcher watcher;
  EXPECT_EQ(Load("list.txt"), LoadOutcome::kLoaded);

  EXPECT_EQ(gWebsiteList.file.entryCount, 4);
  EXPECT_EQ(StoredEntriesOf(gWebsiteList.file.entries),
            (reference::Entries{{"www.delta.example", "Delta"},
                                {"http://bravo.example", "Bravo"},
                                {"HTTP://alpha.example", ""},
                                {"https://charlie.example", "charlie, the third"}}));
  EXPECT_EQ(ItemTexts(), (std::vector<std::string>{"Bravo", "charlie, the third", "Delta",
                                                   "HTTP://alpha.example"}));
  EXPECT_EQ(ItemEntries(), (std::vector<int32_t>{2, 4, 1, 3}));
  // At start the current position is 0, which names no entry: the first item is selected.
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(gWebsiteList.currentPosition, 1);
  EXPECT_FALSE(gWebsiteList.listFileUnread);
  EXPECT_TRUE(watcher.Notices().empty());
}

TEST_F(ListLoad, ReloadReplacesTheItemsOfTheEarlierList) {
  WriteFileBytes("first.txt", kFourEntries);
  WriteFileBytes("second.TXT", "http://one.example, One\r\n");
  Load("first.txt");
  EXPECT_EQ(Load("second.TXT"), LoadOutcome::kLoaded) << "the extension test ignores case";
  EXPECT_EQ(ItemTexts(), std::vector<std::string>{"One"});
  EXPECT_EQ(gWebsiteList.file.entryCount, 1);
  EXPECT_EQ(StoredEntries(gWebsiteList.file.entries), 1);
}

TEST_F(ListLoad, ScrollWidthIsTheWidestDisplayTextPlusEight) {
  WriteFileBytes("list.txt", kFourEntries);
  Load("list.txt");
  int expected = ExpectedScrollWidth(kFourDisplayTexts);
  EXPECT_GT(expected, ExpectedScrollWidth({"Delta"})) << "the texts differ in width";
  EXPECT_EQ(ScrollWidth(), expected);
}

TEST_F(ListLoad, MeasuresWithTheListFontAndRestoresTheDeviceContext) {
  HGDIOBJ before = GetCurrentObject(gMainList.deviceContext, OBJ_FONT);
  const std::string text = "http://www.example.com/a/long/path";
  EXPECT_EQ(MeasureTextWidth(text), ExpectedScrollWidth({text}) - 8);
  EXPECT_EQ(GetCurrentObject(gMainList.deviceContext, OBJ_FONT), before);

  // Without a font of its own the list is measured in the device context's current font.
  SendMessageW(list_, WM_SETFONT, 0, FALSE);
  SIZE plain = {};
  GetTextExtentPoint32A(gMainList.deviceContext, text.data(), static_cast<int>(text.size()),
                        &plain);
  EXPECT_EQ(MeasureTextWidth(text), plain.cx);
  EXPECT_NE(plain.cx, ExpectedScrollWidth({text}) - 8) << "the fonts differ";
}

TEST_F(ListLoad, SelectsTheEntryOrThePositionTheCurrentPositionNames) {
  // Sorted, the list shows entries 2, 4, 1, 3.
  struct Case {
    ListSelection::Kind kind;
    int32_t number;
    int32_t expectedPosition;
  };
  const Case cases[] = {
      {ListSelection::kEntry, 0, 1},   // names no entry: the candidate stays 0, clamped to 1
      {ListSelection::kEntry, 1, 3},   // entry 1 stands at position 3
      {ListSelection::kEntry, 3, 4},   // entry 3 stands at position 4
      {ListSelection::kEntry, 4, 2},   // entry 4 stands at position 2
      {ListSelection::kEntry, 9, 4},   // names no entry: clamped to the last position
      {ListSelection::kEntry, -2, 1},  // negative: clamped to the first
      {ListSelection::kPosition, 1, 1}, {ListSelection::kPosition, 3, 3},
      {ListSelection::kPosition, 7, 4}, {ListSelection::kPosition, 0, 1},
  };
  WriteFileBytes("list.txt", kFourEntries);
  gWebsiteList.listFilePath = PathOf("list.txt");
  for (const Case& c : cases) {
    LoadListFile({c.kind, c.number});
    EXPECT_EQ(Selected(), c.expectedPosition) << "kind " << c.kind << ", number " << c.number;
    EXPECT_EQ(gWebsiteList.currentPosition, c.expectedPosition)
        << "kind " << c.kind << ", number " << c.number;
  }
}

TEST_F(ListLoad, SelectsTheNamedEntryAmongMany) {
  // Display texts in scrambled order, so items keep being inserted above and below each other.
  std::string bytes;
  for (int entry = 1; entry <= 60; ++entry) {
    bytes += "http://e" + std::to_string(entry) + ".example, Name " +
             std::to_string((entry * 37) % 61) + "\r\n";
  }
  WriteFileBytes("list.txt", bytes);
  for (int32_t entry : {1, 2, 17, 30, 59, 60}) {
    gWebsiteList.currentPosition = entry;
    Load("list.txt");
    EXPECT_EQ(ListGetItemData(host_, kMainListId, Selected()), entry);
    EXPECT_EQ(gWebsiteList.currentPosition, Selected());
  }
}

// The file's bytes reach the parser as they are: no text-mode translation, nothing lost at a
// NUL or a high byte.
TEST_F(ListLoad, ReadsLinesAsTheFileFormatSays) {
  struct Case {
    const char* what;
    std::string bytes;
    reference::Entries entries;
  };
  const Case cases[] = {
      {"LF ends the lines of a file without CR LF",
       "http://a, A\nhttp://b, B\n",
       {{"http://a", "A"}, {"http://b", "B"}}},
      {"beside a CR LF, LF alone ends no line",
       "http://a, A\nhttp://b, B\r\n",
       {{"http://a", "A\nhttp://b, B"}}},
      {"CR alone ends a line", "http://a, A\rhttp://b, B", {{"http://a", "A"}, {"http://b", "B"}}},
      {"LF after CR LF starts the next line",
       "http://a, A\r\n\nhttp://b, B\r\nhttp://c",
       {{"http://a", "A"}, {"http://c", ""}}},
      {"Ctrl-Z ends the file", "http://a, A\x1A, rest\r\nhttp://b, B\r\n", {{"http://a", "A"}}},
      {"a UTF-8 byte-order mark is not part of the first line",
       "\xEF\xBB\xBFhttp://a, A\r\nhttp://b, B",
       {{"http://a", "A"}, {"http://b", "B"}}},
      {"only one mark is taken off: a second one spoils the first line",
       "\xEF\xBB\xBF\xEF\xBB\xBFhttp://a, A\r\nhttp://b, B",
       {{"http://b", "B"}}},
      {"NUL, which becomes a blank and is told, and code-page letters",
       std::string("http://a\0b, N\xE9\xFF", 15),
       {{"http://a b", "N\xC3\xA9\xC3\xBF"}}},

  };
  for (const Case& c : cases) {
    WriteFileBytes("list.txt", c.bytes);
    NoticeWatcher watcher;
    EXPECT_EQ(Load("list.txt"), LoadOutcome::kLoaded) << c.what;
    EXPECT_EQ(gWebsiteList.file.entryCount, static_cast<int32_t>(c.entries.size())) << c.what;
    EXPECT_EQ(StoredEntriesOf(gWebsiteList.file.entries), c.entries) << c.what;
    ExpectItemsMatchEntries();
    const size_t notices = c.bytes.find('\0') == std::string::npos ? 0 : 1;
    EXPECT_EQ(watcher.Notices().size(), notices) << c.what;
  }
}

// Each failed load starts from a loaded list whose scroll width and position must survive.
TEST_F(ListLoad, FailedLoadsSayWhyAndKeepScrollWidthAndPosition) {
  struct Case {
    const char* name;
    const char* bytes;  // nullptr: no file; "/": a folder of that name
    LoadOutcome outcome;
    const char* notice;
    bool keepsItems;
  };
  const Case cases[] = {
      {"list.txt.bak", kFourEntries, LoadOutcome::kNotTextFile, "Selected file is not a text file",
       true},
      {"missing.txt", nullptr, LoadOutcome::kNoWebsites, "File contains no websites", false},
      {"empty.txt", "", LoadOutcome::kNoWebsites, "File contains no websites", false},
      {"ignored.txt", " http://a\r\n\r\nhtt\r\n\"www.b\r\n", LoadOutcome::kNoWebsites,
       "File contains no websites", false},
      {"folder.txt", "/", LoadOutcome::kNoWebsites, "File contains no websites", false},
  };
  WriteFileBytes("good.txt", kFourEntries);
  for (const Case& c : cases) {
    if (c.bytes && std::string(c.bytes) == "/") {
      CreateDirectoryW(ToWide(PathOf(c.name)).c_str(), nullptr);
    } else if (c.bytes) {
      WriteFileBytes(c.name, c.bytes);
    }
    Load("good.txt");
    const int width = ScrollWidth();
    gWebsiteList.currentPosition = 3;
    NoticeWatcher watcher;

    EXPECT_EQ(Load(c.name), c.outcome) << c.name;
    ASSERT_TRUE(watcher.WaitForCount(1)) << c.name;
    ASSERT_EQ(watcher.Notices().size(), 1u) << c.name;
    ExpectNotice(watcher.Notices()[0], c.notice, MB_ICONERROR);
    EXPECT_EQ(gWebsiteList.file.entryCount, 0) << c.name;
    EXPECT_EQ(ScrollWidth(), width) << c.name;
    EXPECT_EQ(gWebsiteList.currentPosition, 3) << c.name;
    EXPECT_EQ(gWebsiteList.listFilePath, PathOf(c.name)) << c.name;
    EXPECT_EQ(ItemTexts().size(), c.keepsItems ? 4u : 0u) << c.name;
    if (!c.keepsItems) {
      EXPECT_EQ(Selected(), 0) << c.name;
    }
  }
}

TEST_F(ListLoad, AFileThatCannotBeReadIsReportedAsSuch) {
  WriteFileBytes("good.txt", kFourEntries);
  WriteFileBytes("held.txt", kFourEntries);
  Load("good.txt");
  const int width = ScrollWidth();
  {
    HeldFile held(ToWide(PathOf("held.txt")));
    ASSERT_NE(held.handle, INVALID_HANDLE_VALUE);
    NoticeWatcher watcher;
    EXPECT_EQ(Load("held.txt"), LoadOutcome::kUnreadable);
    ASSERT_EQ(watcher.Notices().size(), 1u);
    ExpectNotice(watcher.Notices()[0], "The list file could not be read:\n" + PathOf("held.txt"),
                 MB_ICONERROR);
    EXPECT_EQ(gWebsiteList.file.entryCount, 0);
    EXPECT_TRUE(gWebsiteList.listFileUnread);
    EXPECT_TRUE(ItemTexts().empty());
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(ScrollWidth(), width);
  }
  // Once the other program lets go, the same file loads, and the mark is gone.
  EXPECT_EQ(Load("held.txt"), LoadOutcome::kLoaded);
  EXPECT_EQ(gWebsiteList.file.entryCount, 4);
  EXPECT_FALSE(gWebsiteList.listFileUnread);
}

TEST_F(ListLoad, ListTextFollowsTheListOrder) {
  WriteFileBytes("list.txt", kFourEntries);
  Load("list.txt");
  EXPECT_EQ(ListToText(),
            "http://bravo.example, Bravo\r\n"
            "https://charlie.example, charlie, the third\r\n"
            "www.delta.example, Delta\r\n"
            "HTTP://alpha.example\r\n");

  // Item values that name no entry give no line instead of reading past the arrays.
  ListSetItemData(host_, kMainListId, 2, 99);
  ListSetItemData(host_, kMainListId, 3, 0);
  ListSetItemData(host_, kMainListId, 4, -7);
  EXPECT_EQ(ListToText(), "http://bravo.example, Bravo\r\n");

  // More entries than items: the missing item reads as -1.
  SendMessageW(list_, LB_DELETESTRING, 3, 0);
  EXPECT_EQ(ListToText(), "http://bravo.example, Bravo\r\n");

  NoticeWatcher watcher;
  Load("missing.txt");
  EXPECT_EQ(ListToText(), "");
}

}  // namespace
