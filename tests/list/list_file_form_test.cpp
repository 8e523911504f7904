#include "list/list_file_form.h"

#include <gtest/gtest.h>

#include <string>

#include "list/list_file_model.h"
#include "list/unicode_text.h"
#include "list/western_code_page.h"

namespace {

using Encoding = TextEncoding;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

DecodedListFile Decode(const std::string& bytes) {
  return DecodeListFile(bytes, WesternCodePage());
}

TEST(ListFileForm, IsDecidedByTheMarkThenByTheBytes) {
  struct Case {
    std::string bytes;
    Encoding encoding;
    LineEnds lineEnds;
    std::string text;  // UTF-8
    bool exact;
  };
  const Case cases[] = {
      {"", Encoding::kCodePage, LineEnds::kCrLf, "", true},
      {"http://a, A\r\n", Encoding::kCodePage, LineEnds::kCrLf, "http://a, A\r\n", true},
      // Code-page bytes that are no UTF-8, and those that happen to be.
      {"caf\xE9\r\n", Encoding::kCodePage, LineEnds::kCrLf, "caf\xC3\xA9\r\n", true},
      {"caf\xC3\xA9", Encoding::kUtf8, LineEnds::kCrLf, "caf\xC3\xA9", true},
      {"\xE6\x9B\xB8\xE7\xB1\xA4\n", Encoding::kUtf8, LineEnds::kLf, "\xE6\x9B\xB8\xE7\xB1\xA4\n",
       true},
      // Overlong forms, encoded surrogates, sequences cut short and characters beyond U+10FFFF
      // are no UTF-8: the bytes are code-page letters.
      {"\xC0\xAF", Encoding::kCodePage, LineEnds::kCrLf, "\xC3\x80\xC2\xAF", true},
      {"\xE0\x80\xAF", Encoding::kCodePage, LineEnds::kCrLf, "\xC3\xA0\xE2\x82\xAC\xC2\xAF", true},
      {"\xED\xA0\x80", Encoding::kCodePage, LineEnds::kCrLf, "\xC3\xAD\xC2\xA0\xE2\x82\xAC", true},
      {"ab\xC3", Encoding::kCodePage, LineEnds::kCrLf, "ab\xC3\x83", true},
      {"\xF4\x90\x80\x80", Encoding::kCodePage, LineEnds::kCrLf,
       "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC", true},
      // What follows the end-of-file mark neither counts nor is read.
      {"caf\xC3\xA9\x1A\xFF", Encoding::kUtf8, LineEnds::kCrLf, "caf\xC3\xA9", true},
      // With a UTF-8 mark, ill-formed bytes are shown as U+FFFD, and the text is not exact.
      {"\xEF\xBB\xBFh\r\n", Encoding::kUtf8Marked, LineEnds::kCrLf, "h\r\n", true},
      {"\xEF\xBB\xBF\xE9t\xE9", Encoding::kUtf8Marked, LineEnds::kCrLf, "\xEF\xBF\xBDt\xEF\xBF\xBD",
       false},
      {"\xEF\xBB\xBF\xE6\x9B", Encoding::kUtf8Marked, LineEnds::kCrLf, "\xEF\xBF\xBD", false},
      {Bytes({0xFF, 0xFE, 'h', 0, '\n', 0}), Encoding::kUtf16LittleEndian, LineEnds::kLf, "h\n",
       true},
      {std::string("\xFE\xFF\0h\0\x1A\0i", 8), Encoding::kUtf16BigEndian, LineEnds::kCrLf, "h",
       true},
      {std::string("\xFF\xFE\0\0", 4), Encoding::kUtf16LittleEndian, LineEnds::kCrLf,
       std::string("\0", 1), false},  // a UTF-32 mark
      {Bytes({0xFF, 0xFE, 'h', 0, 0, 0, 't', 0}), Encoding::kUtf16LittleEndian, LineEnds::kCrLf,
       std::string("h\0t", 3), true},
      {Bytes({0xFE, 0xFF, 0, 0, 0, 'h'}), Encoding::kUtf16BigEndian, LineEnds::kCrLf,
       std::string("\0h", 2), true},
      {Bytes({0xFF, 0xFE, 0x00, 0xD8, 'h', 0}), Encoding::kUtf16LittleEndian, LineEnds::kCrLf,
       "\xEF\xBF\xBDh", false},  // half a surrogate pair
      {Bytes({0xFE, 0xFF, 0, 'h', 0}), Encoding::kUtf16BigEndian, LineEnds::kCrLf, "h",
       false},  // an odd last byte
      // Line ends: LF alone only where no CR LF stands anywhere.
      {"a\nb\r\nc", Encoding::kCodePage, LineEnds::kCrLf, "a\nb\r\nc", true},
      {"a\nb\rc", Encoding::kCodePage, LineEnds::kLf, "a\nb\rc", true},
      {"a\rb", Encoding::kCodePage, LineEnds::kCrLf, "a\rb", true},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    DecodedListFile decoded = Decode(c.bytes);
    EXPECT_EQ(decoded.form.encoding, c.encoding) << "case " << i;
    EXPECT_EQ(decoded.form.lineEnds, c.lineEnds) << "case " << i;
    EXPECT_EQ(decoded.text, c.text) << "case " << i;
    EXPECT_EQ(decoded.exact, c.exact) << "case " << i;
  }
}

// Every exact file of every form comes back byte for byte.
TEST(ListFileForm, ExactFilesComeBackByteForByte) {
  const std::string files[] = {
      "http://a, A\r\nwww.b\r\n",
      "http://a, Caf\xE9 \x80\x81\x9D\xFF\n",
      "http://a, Caf\xC3\xA9\nhttp://b, \xF0\x9F\x98\x80\n",
      "\xEF\xBB\xBFhttp://a, \xE2\x82\xAC\r\n\r\n",
      "\xEF\xBB\xBF",
      Bytes({0xFF, 0xFE, 'h', 0, 0x0D, 0, 0x0A, 0, 0x3D, 0xD8, 0x00, 0xDE, 0x0A, 0x0D, 0xE9, 0}),
      Bytes({0xFE, 0xFF, 0, 'h', 0x0D, 0x0A, 0x1A, 0x0D, 0xD8, 0x3D, 0xDE, 0x00}),
  };
  for (const std::string& file : files) {
    DecodedListFile decoded = Decode(file);
    ASSERT_TRUE(decoded.exact) << file;
    std::string bytes;
    EXPECT_TRUE(EncodeListFile(decoded.text, decoded.form, WesternCodePage(), bytes));
    EXPECT_EQ(bytes, file);
  }
}

TEST(ListFileForm, OnlyACodePageLacksCharacters) {
  const std::string text = "Caf\xC3\xA9 \xE6\x9B\xB8";  // Café 書
  std::string bytes;
  EXPECT_FALSE(EncodeText(text, Encoding::kCodePage, WesternCodePage(), bytes));
  EXPECT_EQ(bytes, "Caf\xE9 ?");
  for (Encoding encoding : {Encoding::kUtf8, Encoding::kUtf8Marked, Encoding::kUtf16LittleEndian,
                            Encoding::kUtf16BigEndian}) {
    EXPECT_TRUE(EncodeText(text, encoding, WesternCodePage(), bytes));
  }
  EXPECT_TRUE(
      EncodeListFile(text, {Encoding::kUtf8Marked, LineEnds::kLf}, WesternCodePage(), bytes));
  EXPECT_EQ(bytes, "\xEF\xBB\xBF" + text);
}

TEST(ListFileForm, LfLinesEndWhereverTheTextBreaksALine) {
  EXPECT_EQ(WithLineEnds("a\r\nb\rc\nd\r\n\r\n", LineEnds::kLf), "a\nb\nc\nd\n\n");
  EXPECT_EQ(WithLineEnds("a\r\nb\rc\n", LineEnds::kCrLf), "a\r\nb\rc\n");
}

// A NUL character in a list of any form becomes a blank and is counted; the form stays, and the
// text still counts as exact, so that the list may be saved with the blank.
TEST(ListFileModel, NulCharactersBecomeCountedBlanksInEveryForm) {
  const std::string text("http://a\0.example, A\0b\0\r\nhttp://c.example, C\xC3\xA9\r\n", 48);
  for (Encoding encoding : {Encoding::kUtf8, Encoding::kUtf8Marked, Encoding::kUtf16LittleEndian,
                            Encoding::kUtf16BigEndian, Encoding::kCodePage}) {
    SCOPED_TRACE(static_cast<int>(encoding));
    std::string bytes;
    ASSERT_TRUE(EncodeListFile(text, {encoding, LineEnds::kCrLf}, WesternCodePage(), bytes));
    ListFile loaded = ReadListFile(bytes, WesternCodePage());
    EXPECT_EQ(loaded.form.encoding, encoding);
    EXPECT_TRUE(loaded.exact);
    EXPECT_EQ(loaded.nulCharacters, 3);
    ASSERT_EQ(loaded.entryCount, 2);
    EXPECT_EQ(EntryUrl(loaded.entries, 1), "http://a .example");
    EXPECT_EQ(EntryName(loaded.entries, 1), "A b");
  }
}

TEST(Utf16Length, CountsUnitsAsThePlatformDoes) {
  EXPECT_EQ(Utf16Length(""), 0u);
  EXPECT_EQ(Utf16Length("C:\\a.txt"), 8u);
  EXPECT_EQ(Utf16Length("\xD0\x97\xE6\x9B\xB8\xF0\x9F\x98\x80"), 4u);  // З 書 and a pair
}

}  // namespace
