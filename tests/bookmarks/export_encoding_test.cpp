// The character set of an export, found and decoded as a browser does: marks, UTF-16 without
// one, the declared charset by the prescan, UTF-8 otherwise, and bytes that are no characters.
#include "bookmarks/export_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "bookmarks/tool_platform.h"

namespace {

using namespace std::string_literals;

constexpr char kReplacement[] = "\xEF\xBF\xBD";

std::string Utf16Of(const std::string& ascii, bool bigEndian) {
  std::string bytes;
  for (char c : ascii) {
    bytes += bigEndian ? "\0"s + c : c + "\0"s;
  }
  return bytes;
}

std::string Repeated(const std::string& text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

std::string Meta(const std::string& attributes) {
  return "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<!-- comment -->\n<META " + attributes + ">\n";
}

TEST(ExportEncoding, FoundAndDecodedAsABrowserDoes) {
  struct Case {
    std::string bytes;
    std::string encoding;
    std::string text;  // what the text ends with
    size_t replaced;
  };
  const std::string contentType = "HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=";
  const Case cases[] = {
      // No declaration, or one the standard does not know: UTF-8, every stray byte U+FFFD on
      // its own, each maximal part that begins no character one U+FFFD.
      {"<p>caf\xC3\xA9 caf\xE9 caf\xC3\xA9", "UTF-8",
       "caf\xC3\xA9 caf"s + kReplacement + " caf\xC3\xA9", 1},
      // F0 9F 98 cut short is one; E0 80, ED A0 80, C0 AF, F4 90 80 80 and FF are 12.
      {"\xF0\x9F\x98"
       "A\xE0\x80\xED\xA0\x80\xC0\xAF\xF4\x90\x80\x80\xFF",
       "UTF-8", kReplacement + "A"s + Repeated(kReplacement, 12), 13},
      {Meta(contentType + "bogus\">") + "\xC3\xA9", "UTF-8", "\xC3\xA9", 0},
      // The declared charset, in either form of <meta>, any letter case and quoting.
      {Meta(contentType + "windows-1251\"") + "\xCF\xF0\xE8", "windows-1251",
       "\xD0\x9F\xD1\x80\xD0\xB8", 0},
      {Meta("charset=KOI8-R") + "\xF0\xD2\xC9", "KOI8-R", "\xD0\x9F\xD1\x80\xD0\xB8", 0},
      {Meta("charset=' latin1 '") + "\x80\x81\xE9", "windows-1252", "\xE2\x82\xAC\xC2\x81\xC3\xA9",
       0},
      {Meta("charset=\"iso-8859-3\"") + "\xA5", "ISO-8859-3", kReplacement, 1},
      {Meta("charset=utf-16") + "\xC3\xA9", "UTF-8", "\xC3\xA9", 0},
      {Meta("charset=x-user-defined") + "\xE9", "windows-1252", "\xC3\xA9", 0},
      // Content without http-equiv declares nothing; a <meta> in a comment or in an attribute
      // is none.
      {Meta("CONTENT=\"text/html; charset=koi8-r\"") + "\xC3\xA9", "UTF-8", "\xC3\xA9", 0},
      {"<!-- <meta charset=koi8-r> --><a title='<meta charset=koi8-r>'><meta charset=cp1251>\xE8",
       "windows-1251", "\xD0\xB8", 0},
      // A multi-byte charset, decoded by the platform; a character cut short by the end.
      {Meta("charset=Shift_JIS") + "\x93\xFA\x96\x7B\x82", "Shift_JIS",
       "\xE6\x97\xA5\xE6\x9C\xAC"s + kReplacement, 1},
      // A byte-order mark wins over the declaration; UTF-16 without one is recognised.
      {"\xEF\xBB\xBF" + Meta("charset=windows-1251") + "\xC3\xA9", "UTF-8", "\xC3\xA9", 0},
      {"\xFF\xFE" + Utf16Of("<DL>x", false) + "\xE9\x00\x00\xD8"s, "UTF-16LE",
       "x\xC3\xA9"s + kReplacement, 1},
      {Utf16Of("<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<DL>", false) + "\xE9\x00"s, "UTF-16LE",
       "<DL>\xC3\xA9", 0},
      {Utf16Of("<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<DL>", true) + "\xD8\x3D\xDE\x00"s,
       "UTF-16BE", "<DL>\xF0\x9F\x98\x80", 0},
  };
  for (const Case& c : cases) {
    DecodedExport decoded = DecodeExport(c.bytes, DecodeMultiByteText);
    SCOPED_TRACE(c.bytes);
    EXPECT_TRUE(decoded.readable);
    EXPECT_EQ(decoded.encoding, c.encoding);
    ASSERT_GE(decoded.text.size(), c.text.size()) << decoded.text;
    EXPECT_EQ(decoded.text.substr(decoded.text.size() - c.text.size()), c.text);
    EXPECT_EQ(decoded.replacedAt.size(), c.replaced);
    for (size_t at : decoded.replacedAt) EXPECT_EQ(decoded.text.substr(at, 3), kReplacement);
  }
  // The replacement encoding reads as nothing at all.
  DecodedExport unsafe = DecodeExport(Meta("charset=iso-2022-kr") + "<DL>", DecodeMultiByteText);
  EXPECT_FALSE(unsafe.readable);
  EXPECT_EQ(unsafe.encoding, "replacement");
}

}  // namespace
