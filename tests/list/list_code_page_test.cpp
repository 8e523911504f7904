// 8-bit lists in a double-byte code page: run with LC_ALL=ja_JP.UTF-8, under which Wine gives
// the program code page 932 (Shift-JIS). A second byte 0x5C, the backslash, is part of its
// character, in names and in folder names alike, and the list comes back byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "list/code_page_text.h"
#include "list/list_file.h"
#include "list/website_list.h"
#include "main_list_fixture.h"
#include "support/dialog_script.h"

namespace {

// 表示 (display) and ソフト (soft): 表 is 95 5C and ソ 83 5C in Shift-JIS.
constexpr char kFolderUtf8[] = "\xE8\xA1\xA8\xE7\xA4\xBA";
constexpr char kDisplaySjis[] = "\x95\x5C\x8E\xA6";
constexpr char kSoftSjis[] = "\x83\x5C\x83\x74\x83\x67";
constexpr char kDisplayUtf8[] = "\xE8\xA1\xA8\xE7\xA4\xBA";
constexpr char kSoftUtf8[] = "\xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88";

class ShiftJisList : public MainListTest {
 protected:
  void SetUp() override {
    MainListTest::SetUp();
    ASSERT_EQ(SystemListCodePage(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
    ASSERT_TRUE(CreateDirectoryW((folder_ + ToWide(kFolderUtf8)).c_str(), nullptr));
  }
  const std::string list_ = std::string(kFolderUtf8) + "\\" + kSoftUtf8 + ".txt";
};

TEST_F(ShiftJisList, IsShownAsItsCharactersAndSavedByteForByte) {
  const std::string file = std::string("http://b.example, ") + kSoftSjis + "\\" + kDisplaySjis +
                           "\r\nhttp://a.example/" + kDisplaySjis + ", " + kDisplaySjis + "\r\n";
  WriteFileBytes(list_, file);
  NoticeWatcher watcher;
  ASSERT_EQ(Load(list_), LoadOutcome::kLoaded);
  EXPECT_TRUE(watcher.Notices().empty());
  EXPECT_EQ(ItemTexts(),
            (std::vector<std::string>{std::string(kSoftUtf8) + "\\" + kDisplayUtf8, kDisplayUtf8}));
  EXPECT_EQ(EntryUrl(gWebsiteList, 2), std::string("http://a.example/") + kDisplayUtf8);

  // The same list, edited in the editor's order, is written in the code page again.
  const std::string edited = std::string("http://a.example/") + kDisplayUtf8 + ", " + kDisplayUtf8 +
                             "\r\nhttp://b.example, " + kSoftUtf8 + "\\" + kDisplayUtf8 + "\r\n";
  EXPECT_EQ(FirstLineListFileCannotHold(edited), 0);
  EXPECT_TRUE(SaveEditedText(edited, 1));
  EXPECT_EQ(FileBytes(list_), std::string("http://a.example/") + kDisplaySjis + ", " +
                                  kDisplaySjis + "\r\nhttp://b.example, " + kSoftSjis + "\\" +
                                  kDisplaySjis + "\r\n\r\n\r\n");
  // A letter the code page lacks is told by its line.
  EXPECT_EQ(FirstLineListFileCannotHold(edited + "http://c, \xC3\xA9\xC4\x81\r\n"), 3);
}

// 85 40 is no character of the code page: read, it becomes one that is written otherwise.
TEST_F(ShiftJisList, BytesThatWouldNotComeBackAreNeverSavedOver) {
  const std::string file = std::string("http://a.example, ") + kDisplaySjis + "\x85\x40\r\n";
  WriteFileBytes(list_, file);
  {
    NoticeWatcher watcher;
    EXPECT_EQ(Load(list_), LoadOutcome::kLoaded);
    ASSERT_TRUE(watcher.WaitForCount(1));
    EXPECT_NE(watcher.Notices()[0].text.find("cannot show"), std::string::npos);
  }
  NoticeWatcher watcher;
  EXPECT_FALSE(SaveEditedText("http://b.example\r\n", 1));
  ASSERT_TRUE(watcher.WaitForCount(1));
  EXPECT_EQ(FileBytes(list_), file);
}

}  // namespace
