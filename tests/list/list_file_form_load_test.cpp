// List files of every form, loaded and saved through the system's own code page (Western,
// 1252): what the platform's conversion reads exactly, and that a save keeps the file's form.
// (Deciding and converting the forms is tested natively; whole lists end to end.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "list/code_page_text.h"
#include "list/list_file.h"
#include "list/list_file_form.h"
#include "list/website_list.h"
#include "main_list_fixture.h"
#include "support/dialog_script.h"

namespace {

using Encoding = TextEncoding;

// The bytes of a file of the form holding the UTF-8 text, whose lines end in CR LF.
std::string FileOf(const std::string& text, ListFileForm form) {
  std::string bytes;
  EncodeListFile(WithLineEnds(text, form.lineEnds), form, SystemCodePage(), bytes);
  return bytes;
}

std::string FileOf(const std::string& text, Encoding encoding) {
  return FileOf(text, {encoding, LineEnds::kCrLf});
}

class ListFileForms : public MainListTest {
 protected:
  void SetUp() override {
    MainListTest::SetUp();
    ASSERT_EQ(SystemListCodePage(), 1252u) << "the tests expect the Western code page";
  }
};

TEST_F(ListFileForms, TheSystemCodePageReadsAndWritesExactlyWhatItHolds) {
  const CodePageConversion& codePage = SystemCodePage();
  std::string text;
  EXPECT_TRUE(codePage.toText("caf\xE9 \x80\xFF", text));
  EXPECT_EQ(text, "caf\xC3\xA9 \xE2\x82\xAC\xC3\xBF");
  std::string bytes;
  EXPECT_TRUE(codePage.toBytes(text, bytes));
  EXPECT_EQ(bytes, "caf\xE9 \x80\xFF");
  // Neither a character beyond the code page nor one it has only a look-alike for fits.
  for (const char* unfit : {"\xE6\x9B\xB8", "\xC4\x81", "\xF0\x9F\x98\x80"}) {
    EXPECT_FALSE(codePage.toBytes(std::string("a") + unfit, bytes)) << unfit;
  }
}

// A save writes the file's own form again: its encoding, its mark and its line ends, and every
// character of UTF-8 and UTF-16 files.
TEST_F(ListFileForms, ASaveKeepsTheFormOfTheFile) {
  const std::string name = "caf\xC3\xA9 \xE6\x9B\xB8 \xF0\x9F\x98\x80";  // café 書 and a smile
  const std::string edited = "http://a, " + name + "\r\nwww.b\r\n";
  const ListFileForm forms[] = {
      {Encoding::kUtf8, LineEnds::kLf},           {Encoding::kUtf8Marked, LineEnds::kCrLf},
      {Encoding::kUtf8Marked, LineEnds::kLf},     {Encoding::kUtf16LittleEndian, LineEnds::kCrLf},
      {Encoding::kUtf16BigEndian, LineEnds::kLf},
  };
  for (const ListFileForm& form : forms) {
    const int i = static_cast<int>(&form - forms);
    WriteFileBytes("list.txt", FileOf("http://old, caf\xC3\xA9\r\n", form));
    ASSERT_EQ(Load("list.txt"), LoadOutcome::kLoaded) << "form " << i;
    EXPECT_EQ(gWebsiteList.file.form, form) << "form " << i;
    EXPECT_EQ(FirstLineListFileCannotHold(edited), 0) << "form " << i;
    EXPECT_TRUE(SaveEditedText(edited, 1)) << "form " << i;
    EXPECT_EQ(FileBytes("list.txt"), FileOf(edited + "\r\n\r\n", form)) << "form " << i;
    EXPECT_EQ(ItemTexts(), (std::vector<std::string>{name, "www.b"})) << "form " << i;
  }
}

// Code-page text that cannot hold what was typed is never saved with stand-ins: the save is
// refused, or, when asked for, the list becomes UTF-8 with a mark and keeps its line ends.
TEST_F(ListFileForms, TextTheCodePageCannotHoldIsSavedAsUtf8OrNotAtAll) {
  const std::string old = "http://old, caf\xE9\nhttp://older\n";
  const std::string edited = "http://a, caf\xC3\xA9\r\nhttp://b, \xE6\x9B\xB8\r\n";
  WriteFileBytes("list.txt", old);
  ASSERT_EQ(Load("list.txt"), LoadOutcome::kLoaded);
  EXPECT_EQ(gWebsiteList.file.form, (ListFileForm{Encoding::kCodePage, LineEnds::kLf}));
  EXPECT_EQ(FirstLineListFileCannotHold(edited), 2);
  EXPECT_EQ(FirstLineListFileCannotHold("http://a, caf\xC3\xA9\r\n"), 0);

  NoticeWatcher watcher;
  EXPECT_FALSE(SaveEditedText(edited, 1));
  ASSERT_TRUE(watcher.WaitForCount(1));
  EXPECT_EQ(watcher.Notices()[0].text,
            "The list was not saved to\n" + PathOf("list.txt") +
                "\nThe list holds characters that the file's code page cannot hold.");
  EXPECT_EQ(FileBytes("list.txt"), old);

  EXPECT_TRUE(SaveEditedText(edited, 1, SaveEncoding::kUtf8Marked));
  EXPECT_EQ(FileBytes("list.txt"),
            "\xEF\xBB\xBFhttp://a, caf\xC3\xA9\nhttp://b, \xE6\x9B\xB8\n\n\n");
  EXPECT_EQ(gWebsiteList.file.form, (ListFileForm{Encoding::kUtf8Marked, LineEnds::kLf}));
}

TEST_F(ListFileForms, AMarkOnlyFileIsAnEmptyListThatKeepsItsForm) {
  for (Encoding encoding :
       {Encoding::kUtf8Marked, Encoding::kUtf16LittleEndian, Encoding::kUtf16BigEndian}) {
    const std::string mark(ByteOrderMark(encoding));
    WriteFileBytes("list.txt", mark);
    NoticeWatcher watcher;
    EXPECT_EQ(Load("list.txt"), LoadOutcome::kNoWebsites) << mark;
    ASSERT_TRUE(watcher.WaitForCount(1));
    EXPECT_EQ(watcher.Notices()[0].text, "File contains no websites");

    EXPECT_TRUE(SaveEditedText("http://a\r\n", 1));
    EXPECT_EQ(FileBytes("list.txt"), FileOf("http://a\r\n\r\n\r\n", encoding)) << mark;
  }
}

TEST_F(ListFileForms, EveryLoadTellsTheFormAnew) {
  WriteFileBytes("marked.txt", FileOf("http://a\n", Encoding::kUtf16BigEndian));
  WriteFileBytes("plain.txt", "http://b\r\n");
  // A list loaded after a marked one, and a new one, are written without a mark.
  for (const char* name : {"plain.txt", "new.txt"}) {
    Load("marked.txt");
    NoticeWatcher watcher;
    Load(name);
    EXPECT_TRUE(SaveEditedText("http://c\r\n", 1)) << name;
    EXPECT_EQ(FileBytes(name), "http://c\r\n\r\n\r\n") << name;
  }
}

}  // namespace
