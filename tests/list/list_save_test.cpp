#include <gtest/gtest.h>

#include <limits>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/list_file_form.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_list_fixture.h"
#include "random_list_text.h"
#include "stored_entries.h"
#include "support/dialog_script.h"

namespace {

constexpr char kOldList[] = "http://old.example, Old\r\nwww.older.example\r\n";
constexpr char kEditedText[] = "http://new.example, New\r\n";

class ListSave : public MainListTest {
 protected:
  std::string NotSaved(const std::string& name, const std::string& reason) const {
    return "The list was not saved to\n" + PathOf(name) + "\n" + reason;
  }
  std::string Unreadable(const std::string& name) const {
    return "The list file could not be read:\n" + PathOf(name);
  }
  std::string Inexact(const std::string& name) const {
    return "The list file holds characters that this program cannot show:\n" + PathOf(name) +
           "\nIt is shown as far as possible, and changes to it cannot be saved.";
  }

  // Saves edited text over the current list file and expects a refusal: the given notices in
  // order (error icon, default caption), and every file in the folder as it was.
  void ExpectRefused(const std::vector<std::string>& notices) {
    std::vector<std::string> names = FolderContents();
    std::vector<std::string> contents;
    for (const std::string& name : names) contents.push_back(FileBytes(name));

    NoticeWatcher watcher;
    EXPECT_FALSE(SaveEditedText(kEditedText, 1));
    ASSERT_TRUE(watcher.WaitForCount(notices.size()));
    std::vector<SeenNotice> seen = watcher.Notices();
    ASSERT_EQ(seen.size(), notices.size());
    for (size_t i = 0; i < seen.size(); ++i) {
      SCOPED_TRACE("notice " + std::to_string(i));
      ExpectNotice(seen[i], notices[i], MB_ICONERROR);
    }
    EXPECT_EQ(FolderContents(), names) << "a file was left behind or lost";
    for (size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(FileBytes(names[i]), contents[i]) << names[i];
    }
  }
};

TEST_F(ListSave, WritesEveryPieceThenOneMoreLineEnd) {
  struct Case {
    std::string listText;
    std::string fileBytes;
  };
  const Case cases[] = {
      {"", "\r\n\r\n"},
      {"http://a, A\r\n", "http://a, A\r\n\r\n\r\n"},
      {"http://a\r\nwww.b, B, more", "http://a\r\nwww.b, B, more\r\n\r\n"},
  };
  // A longer old file: nothing of it may survive the shorter new content.
  WriteFileBytes("list.txt", std::string(5000, 'x'));
  gWebsiteList.listFilePath = PathOf("list.txt");
  NoticeWatcher watcher;
  for (const Case& c : cases) {
    EXPECT_TRUE(SaveListText(c.listText)) << c.listText;
    EXPECT_EQ(FileBytes("list.txt"), c.fileBytes) << c.listText;
  }
  EXPECT_TRUE(watcher.Notices().empty());
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"list.txt"}) << "no new file left";
}

TEST_F(ListSave, CreatesAMissingListFile) {
  gWebsiteList.listFilePath = PathOf("new.txt");
  EXPECT_TRUE(SaveListText("http://a, A\r\n"));
  EXPECT_EQ(FileBytes("new.txt"), "http://a, A\r\n\r\n\r\n");
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"new.txt"});
}

TEST_F(ListSave, LeavesOtherFilesOfItsOwnNamingAlone) {
  // A file that happens to have the name the save would first choose for its new file.
  const std::string stray = "~ql" + std::to_string(GetCurrentProcessId()) + "-0.tmp";
  WriteFileBytes(stray, "not ours");
  WriteFileBytes("list.txt", kOldList);
  gWebsiteList.listFilePath = PathOf("list.txt");
  EXPECT_TRUE(SaveListText("http://a\r\n"));
  EXPECT_EQ(FileBytes("list.txt"), "http://a\r\n\r\n\r\n");
  EXPECT_EQ(FileBytes(stray), "not ours");
  EXPECT_EQ(FolderContents().size(), 2u);
}

TEST_F(ListSave, SavedListReloadsWithTheEditedEntrySelected) {
  WriteFileBytes("list.txt", kOldList);
  Load("list.txt");
  // The editor starts with the list text; the user adds a line whose name holds commas and
  // leaves the caret on it.
  std::string edited = ListToText() + "  www.echo.example ,Echo, with, commas \r\n";
  NoticeWatcher watcher;
  EXPECT_TRUE(SaveEditedText(edited, 3));

  EXPECT_EQ(FileBytes("list.txt"),
            "http://old.example, Old\r\nwww.older.example\r\nwww.echo.example, Echo, with, "
            "commas\r\n\r\n\r\n");
  EXPECT_EQ(gWebsiteList.file.entryCount, 3);
  EXPECT_EQ(ItemTexts(),
            (std::vector<std::string>{"Echo, with, commas", "Old", "www.older.example"}));
  EXPECT_EQ(ListItemText(host_, kMainListId, Selected()), "Echo, with, commas");
  EXPECT_EQ(gWebsiteList.currentPosition, Selected());
  ExpectItemsMatchEntries();
  EXPECT_EQ(ListToText(),
            "www.echo.example, Echo, with, commas\r\nhttp://old.example, Old\r\n"
            "www.older.example\r\n");
  EXPECT_TRUE(watcher.Notices().empty());
}

TEST_F(ListSave, TheLineToSelectBecomesTheSelectedItem) {
  struct Case {
    const char* edited;
    int32_t line;
    const char* selected;
  };
  const Case cases[] = {
      // No duplicates: the entry on the line, wherever the sorting puts it.
      {"http://c, Cc\r\nhttp://a, Aa\r\nhttp://b, Bb\r\n", 1, "Cc"},
      {"http://c, Cc\r\nhttp://a, Aa\r\nhttp://b, Bb\r\n", 3, "Bb"},
      {"http://c, Cc\r\nhttp://a, Aa\r\nhttp://b, Bb\r\n", 0, "Aa"},
      {"http://c, Cc\r\nhttp://a, Aa\r\nhttp://b, Bb\r\n", 7, "Cc"},
      // One duplicate pair: the emptied piece's number, 2, is taken as a position.
      {"http://p, Two\r\nhttp://q, One\r\nhttp://r, Four\r\nhttp://q, Three\r\n", 1, "Three"},
      // Several pairs: the first position.
      {"http://p, P\r\n\r\n\r\nhttp://q, Q\r\n", 4, "P"},
  };
  for (const Case& c : cases) {
    gWebsiteList.listFilePath = PathOf("list.txt");
    EXPECT_TRUE(SaveEditedText(c.edited, c.line)) << c.edited << " line " << c.line;
    EXPECT_EQ(ListItemText(host_, kMainListId, Selected()), c.selected)
        << c.edited << " line " << c.line;
  }
}

TEST_F(ListSave, EmptyEditedTextIsSavedAndReportedAsNoWebsites) {
  WriteFileBytes("list.txt", kOldList);
  Load("list.txt");
  NoticeWatcher watcher;
  EXPECT_TRUE(SaveEditedText("\r\n  \r\n", 1));
  EXPECT_EQ(FileBytes("list.txt"), "\r\n\r\n");
  ASSERT_TRUE(watcher.WaitForCount(1));
  EXPECT_EQ(watcher.Notices()[0].text, "File contains no websites");
  EXPECT_EQ(gWebsiteList.file.entryCount, 0);
}

TEST_F(ListSave, RefusesAReadOnlyFile) {
  WriteFileBytes("list.txt", kOldList);
  Load("list.txt");
  SetFileAttributesW(ToWide(PathOf("list.txt")).c_str(), FILE_ATTRIBUTE_READONLY);
  ExpectRefused({NotSaved("list.txt", "The file is read-only.")});
  // The reload shows the list the disk still holds.
  EXPECT_EQ(ItemTexts(), (std::vector<std::string>{"Old", "www.older.example"}));
}

TEST_F(ListSave, RefusesWhenAnotherProgramHoldsTheFile) {
  WriteFileBytes("list.txt", kOldList);
  Load("list.txt");
  HeldFile held(ToWide(PathOf("list.txt")));
  ASSERT_NE(held.handle, INVALID_HANDLE_VALUE);
  // The reload cannot read it either, and says so.
  ExpectRefused({NotSaved("list.txt", "The file could not be written."), Unreadable("list.txt")});
  EXPECT_TRUE(gWebsiteList.listFileUnread);
}

TEST_F(ListSave, RefusesAFolderThatDoesNotExist) {
  gWebsiteList.listFilePath = PathOf("no such folder\\list.txt");
  ExpectRefused({NotSaved("no such folder\\list.txt", "The file could not be written."),
                 "File contains no websites"});
}

TEST_F(ListSave, RefusesAFolderOfTheListsName) {
  CreateDirectoryW(ToWide(PathOf("folder.txt")).c_str(), nullptr);
  gWebsiteList.listFilePath = PathOf("folder.txt");
  ExpectRefused({NotSaved("folder.txt", "A folder has that name."), "File contains no websites"});
}

TEST_F(ListSave, RefusesAFileThatIsNotAList) {
  WriteFileBytes("report.doc", "not a list");
  {
    NoticeWatcher watcher;
    Load("report.doc");
  }
  // No reload follows: it would only repeat "Selected file is not a text file".
  ExpectRefused({NotSaved("report.doc", "It is not a text file.")});
}

TEST_F(ListSave, RefusesAListThatWasNeverRead) {
  WriteFileBytes("list.txt", kOldList);
  {
    HeldFile held(ToWide(PathOf("list.txt")));
    NoticeWatcher watcher;
    EXPECT_EQ(Load("list.txt"), LoadOutcome::kUnreadable);
  }
  // The other program has let go, but what the file holds was never shown: it stays.
  ExpectRefused({NotSaved("list.txt",
                          "The file could not be read, so saving would replace content never "
                          "seen.")});
  EXPECT_TRUE(gWebsiteList.listFileUnread);
  EXPECT_EQ(Load("list.txt"), LoadOutcome::kLoaded);
  EXPECT_TRUE(SaveEditedText(kEditedText, 1)) << "a list that has been read can be saved";
}

TEST_F(ListSave, RefusesAListThatIsNotShownExactly) {
  // UTF-8 by its mark, but a website named with a byte that is no UTF-8.
  const std::string file = "\xEF\xBB\xBFhttp://b.example, \xE9\r\nhttp://a.example, A\r\n";
  WriteFileBytes("list.txt", file);
  {
    NoticeWatcher watcher;
    EXPECT_EQ(Load("list.txt"), LoadOutcome::kLoaded);
    ASSERT_TRUE(watcher.WaitForCount(1));
    EXPECT_EQ(watcher.Notices()[0].text, Inexact("list.txt"));
    EXPECT_EQ(watcher.Notices()[0].icon, static_cast<UINT>(MB_ICONERROR));
  }
  EXPECT_EQ(gWebsiteList.file.entryCount, 2) << "what can be shown is shown";
  ListSelect(host_, kMainListId, 2);
  gWebsiteList.currentPosition = 2;

  ExpectRefused({NotSaved("list.txt",
                          "It holds characters that this program cannot show, so saving would "
                          "change them.")});
  EXPECT_EQ(gWebsiteList.currentPosition, 2) << "the selection the user made stays";
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(FileBytes("list.txt"), file);
}

TEST_F(ListSave, AnInexactListWithoutWebsitesGetsOnlyItsOwnNotice) {
  const std::string file = "\xEF\xBB\xBF# \xE9\r\n";
  WriteFileBytes("list.txt", file);
  {
    NoticeWatcher watcher;
    EXPECT_EQ(Load("list.txt"), LoadOutcome::kUnreadable) << "not offered for editing";
    ASSERT_TRUE(watcher.WaitForCount(1));
    EXPECT_EQ(watcher.Notices().size(), 1u);
    EXPECT_EQ(watcher.Notices()[0].text, Inexact("list.txt"));
  }
  ExpectRefused({NotSaved("list.txt",
                          "It holds characters that this program cannot show, so saving would "
                          "change them.")});
}

TEST(SelectionAfterSave, NamesTheCaretsEntryOrAPosition) {
  struct Case {
    int32_t tally;
    int32_t firstDuplicate;
    ListSelection::Kind kind;
    int32_t number;  // the line to select is 7
  };
  const Case cases[] = {
      {0, 0, ListSelection::kEntry, 7},     // no duplicates: the caret's entry
      {1, 2, ListSelection::kPosition, 2},  // one pair: the emptied piece, as a position
      {3, 2, ListSelection::kPosition, 1},  // several pairs: the first position
  };
  for (const Case& c : cases) {
    ListSelection selection = SelectionAfterSave(c.tally, c.firstDuplicate, 7);
    EXPECT_EQ(selection.kind, c.kind) << c.tally;
    EXPECT_EQ(selection.number, c.number) << c.tally;
  }
}

}  // namespace
