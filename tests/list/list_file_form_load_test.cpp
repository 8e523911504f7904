// List files with a byte-order mark: UTF-8 and UTF-16 files are read into the 8-bit list text
// and written back in their own form. (Showing and saving whole lists of each form is tested
// end to end.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/list_file_form.h"
#include "list/list_file_text.h"
#include "list/website_list.h"
#include "main_list_fixture.h"
#include "support/dialog_script.h"

namespace {

using Form = ListFileForm;

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

std::string Utf16File(const std::u16string& text, Form form) {
  return Utf16FileBytes(text, form);
}

// The tests spell characters of the Western code page (1252) as its bytes.
class ListFileForms : public MainListTest {
 protected:
  void SetUp() override {
    MainListTest::SetUp();
    ASSERT_EQ(GetACP(), 1252u) << "the tests expect the Western code page";
  }
};

TEST_F(ListFileForms, EachFormIsReadAndWrittenByteForByte) {
  struct Case {
    std::string file;
    Form form;
    std::string text;  // the 8-bit text the program reads
  };
  const Form kLittle = Form::kUtf16LittleEndian;
  const Form kBig = Form::kUtf16BigEndian;
  std::vector<Case> cases = {
      {"", Form::kPlain, ""},
      {"http://a, caf\xE9\r\n", Form::kPlain, "http://a, caf\xE9\r\n"},
      {kUtf8Mark, Form::kUtf8Marked, ""},
      {std::string(kUtf8Mark) + "\r\n", Form::kUtf8Marked, "\r\n"},
      {std::string(kUtf8Mark) + "\rhttp://a", Form::kUtf8Marked, "\rhttp://a"},
      // UTF-8 after the mark is kept as its bytes, like any 8-bit text.
      {std::string(kUtf8Mark) + "http://a, caf\xC3\xA9\r\n", Form::kUtf8Marked,
       "http://a, caf\xC3\xA9\r\n"},
  };
  for (Form form : {kLittle, kBig}) {
    cases.push_back({Utf16File(u"", form), form, ""});
    cases.push_back({Utf16File(u"\r\n", form), form, "\r\n"});
    cases.push_back({Utf16File(u"\rhttp://a", form), form, "\rhttp://a"});
    cases.push_back({Utf16File(u"http://a, caf\u00E9\u20AC\r\nwww.b\r\n", form), form,
                     "http://a, caf\xE9\x80\r\nwww.b\r\n"});
    // The end-of-file character stays a character; the reading of lines stops at it.
    cases.push_back({Utf16File(u"a\u001Ab", form), form,
                     "a\x1A"
                     "b"});
  }
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    ListFileText read = ListFileTextOf(c.file);
    EXPECT_EQ(read.form, c.form) << "case " << i;
    EXPECT_EQ(read.bytes, c.text) << "case " << i;
    EXPECT_TRUE(read.exact) << "case " << i;
    EXPECT_EQ(FileBytesInForm(c.text, c.form), c.file) << "case " << i;
  }
}

TEST_F(ListFileForms, Utf16CharactersOutsideTheCodePageAreNotExact) {
  const std::string cases[] = {
      Utf16File(u"http://a, \u4E2D\r\n", Form::kUtf16LittleEndian),
      Utf16File(u"http://a, \u0100\r\n", Form::kUtf16BigEndian),  // best fit: 'A'
      Utf16File(u"http://a, \U0001F600\r\n", Form::kUtf16LittleEndian),
      Utf16File(u"http://a, \xD800\r\n", Form::kUtf16BigEndian),   // half a pair
      Utf16File(u"http://a\r\n", Form::kUtf16LittleEndian) + "x",  // half a unit
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    ListFileText read = ListFileTextOf(cases[i]);
    EXPECT_FALSE(read.exact) << "case " << i;
    EXPECT_EQ(read.bytes.substr(0, 8), "http://a") << "case " << i << ": the rest is read";
  }
}

// FF FE 00 00 begins UTF-32 (little-endian): its text cannot be read as UTF-16, so the list
// is never saved over. A UTF-16 mark followed by a real first character still reads.
TEST_F(ListFileForms, AUtf32MarkIsNotReadAsExactUtf16) {
  std::string utf32("\xFF\xFE\0\0h\0\0\0t\0\0\0", 12);
  EXPECT_FALSE(ListFileTextOf(utf32).exact);
  EXPECT_FALSE(ListFileTextOf(std::string("\xFF\xFE\0\0", 4)).exact);
  EXPECT_TRUE(
      ListFileTextOf(Utf16File(std::u16string(u"h\0t", 3), Form::kUtf16LittleEndian)).exact);
  EXPECT_TRUE(ListFileTextOf(Utf16File(std::u16string(u"\0h", 2), Form::kUtf16BigEndian)).exact);
}

TEST_F(ListFileForms, AMarkOnlyFileIsAnEmptyListThatKeepsItsForm) {
  for (Form form : {Form::kUtf8Marked, Form::kUtf16LittleEndian, Form::kUtf16BigEndian}) {
    const std::string mark(ByteOrderMark(form));
    WriteFileBytes("list.txt", mark);
    NoticeWatcher watcher;
    EXPECT_EQ(Load("list.txt"), LoadOutcome::kNoWebsites) << mark;
    ASSERT_TRUE(watcher.WaitForCount(1));
    EXPECT_EQ(watcher.Notices()[0].text, "File contains no websites");

    EXPECT_TRUE(SaveEditedText("http://a\r\n", 1));
    std::string expected = form == Form::kUtf8Marked ? mark + "http://a\r\n\r\n\r\n"
                                                     : Utf16File(u"http://a\r\n\r\n\r\n", form);
    EXPECT_EQ(FileBytes("list.txt"), expected) << mark;
  }
}

TEST_F(ListFileForms, EveryLoadTellsTheFormAnew) {
  WriteFileBytes("marked.txt", Utf16File(u"http://a\r\n", Form::kUtf16BigEndian));
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
