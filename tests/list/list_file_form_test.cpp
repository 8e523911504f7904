#include "list/list_file_form.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Form = ListFileForm;

TEST(ListFileForm, IsToldByTheMarkAtTheStartOnly) {
  struct Case {
    std::string bytes;
    Form form;
  };
  const Case cases[] = {
      {"", Form::kPlain},
      {"http://a, A\r\n", Form::kPlain},
      {"\xEF\xBB\xBF", Form::kUtf8Marked},
      {"\xEF\xBB\xBFhttp://a\r\n", Form::kUtf8Marked},
      {"\xEF\xBB\xBF\xEF\xBB\xBF", Form::kUtf8Marked},
      {"\xFF\xFE", Form::kUtf16LittleEndian},
      {"\xFF\xFEh", Form::kUtf16LittleEndian},
      {"\xFE\xFF", Form::kUtf16BigEndian},
      {"\xFE\xFFh", Form::kUtf16BigEndian},
      // Parts of marks, marks elsewhere, and marks behind the end-of-file byte are text.
      {"\xEF\xBB", Form::kPlain},
      {"\xEF\xBB\xBE", Form::kPlain},
      {"\xBB\xBF", Form::kPlain},
      {"\xFF", Form::kPlain},
      {"\xFE", Form::kPlain},
      {"\xFF\xFF", Form::kPlain},
      {" \xEF\xBB\xBF", Form::kPlain},
      {"\x1A\xFF\xFE", Form::kPlain},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(FormOfListFile(cases[i].bytes), cases[i].form) << "case " << i;
  }
}

TEST(ListFileForm, MarksAreTheStandardBytes) {
  EXPECT_EQ(ByteOrderMark(Form::kPlain), "");
  EXPECT_EQ(ByteOrderMark(Form::kUtf8Marked), "\xEF\xBB\xBF");
  EXPECT_EQ(ByteOrderMark(Form::kUtf16LittleEndian), "\xFF\xFE");
  EXPECT_EQ(ByteOrderMark(Form::kUtf16BigEndian), "\xFE\xFF");
  for (Form form :
       {Form::kPlain, Form::kUtf8Marked, Form::kUtf16LittleEndian, Form::kUtf16BigEndian}) {
    EXPECT_EQ(FormOfListFile(ByteOrderMark(form)), form) << "a file of only a mark";
  }
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

// The same text in both byte orders, read and written byte for byte.
TEST(Utf16ListFile, UnitsAreReadAndWrittenInTheFormsByteOrder) {
  struct Case {
    std::u16string units;
    std::string littleEndian;  // without the mark
    std::string bigEndian;
  };
  const Case cases[] = {
      {u"", "", ""},
      {u"\r\n", Bytes({0x0D, 0, 0x0A, 0}), Bytes({0, 0x0D, 0, 0x0A})},
      {u"\rh", Bytes({0x0D, 0, 'h', 0}), Bytes({0, 0x0D, 0, 'h'})},
      // Units whose bytes look like CR, LF or the end-of-file mark are single characters.
      {u"\u0D0A\u1A0D", Bytes({0x0A, 0x0D, 0x0D, 0x1A}), Bytes({0x0D, 0x0A, 0x1A, 0x0D})},
      {u"\u00E9\uFEFF\uFFFF", Bytes({0xE9, 0, 0xFF, 0xFE, 0xFF, 0xFF}),
       Bytes({0, 0xE9, 0xFE, 0xFF, 0xFF, 0xFF})},
      // A character beyond the first 65,536 is a pair of units, each in the byte order.
      {u"\U0001F600", Bytes({0x3D, 0xD8, 0x00, 0xDE}), Bytes({0xD8, 0x3D, 0xDE, 0x00})},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(Utf16UnitsOfBytes<std::u16string>(c.littleEndian, Form::kUtf16LittleEndian), c.units)
        << "case " << i;
    EXPECT_EQ(Utf16UnitsOfBytes<std::u16string>(c.bigEndian, Form::kUtf16BigEndian), c.units)
        << "case " << i;
    EXPECT_EQ(Utf16FileBytes(c.units, Form::kUtf16LittleEndian), "\xFF\xFE" + c.littleEndian)
        << "case " << i;
    EXPECT_EQ(Utf16FileBytes(c.units, Form::kUtf16BigEndian), "\xFE\xFF" + c.bigEndian)
        << "case " << i;
  }
}

TEST(Utf16ListFile, AnOddLastByteIsNoUnit) {
  EXPECT_EQ(Utf16UnitsOfBytes<std::u16string>("h", Form::kUtf16LittleEndian), u"");
  EXPECT_EQ(Utf16UnitsOfBytes<std::u16string>(Bytes({'h', 0, 'i'}), Form::kUtf16LittleEndian),
            u"h");
  EXPECT_EQ(Utf16UnitsOfBytes<std::u16string>(Bytes({0, 'h', 0}), Form::kUtf16BigEndian), u"h");
}

}  // namespace
