#include "list/list_file_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/western_code_page.h"

namespace {

// A file of the table: its text, with "\n" for each line end, and how it is held on disk.
struct Shape {
  TextEncoding encoding;
  LineEnds lineEnds;
  bool endOfFileMark;  // Ctrl-Z and some bytes after it, which are never read
};

// The bytes of text (ASCII and "é" only) in the shape, written out here independently of the
// code under test: "é" is 0xE9 in the Western code page and the UTF-16 unit 0x00E9.
std::string FileOf(const Shape& shape, const std::string& text) {
  std::string withEnds;
  for (char c : text) {
    if (c == '\n' && shape.lineEnds == LineEnds::kCrLf) withEnds.push_back('\r');
    withEnds.push_back(c);
  }
  if (shape.endOfFileMark)
    withEnds +=
        "\x1A"
        "after";
  std::vector<unsigned> units;
  for (size_t i = 0; i < withEnds.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(withEnds[i]);
    if (c == 0xC3) {  // the two bytes of "é" in UTF-8
      units.push_back(0xE9);
      ++i;
    } else {
      units.push_back(c);
    }
  }
  std::string bytes;
  switch (shape.encoding) {
    case TextEncoding::kCodePage:
      for (unsigned u : units) bytes.push_back(static_cast<char>(u));
      return bytes;
    case TextEncoding::kUtf8Marked:
      return "\xEF\xBB\xBF" + withEnds;
    case TextEncoding::kUtf16LittleEndian:
    case TextEncoding::kUtf16BigEndian: {
      bool big = shape.encoding == TextEncoding::kUtf16BigEndian;
      bytes = big ? "\xFE\xFF" : "\xFF\xFE";
      for (unsigned u : units) {
        bytes.push_back(big ? '\0' : static_cast<char>(u));
        bytes.push_back(big ? static_cast<char>(u) : '\0');
      }
      return bytes;
    }
    default:
      return withEnds;
  }
}

std::vector<Shape> EveryShape() {
  std::vector<Shape> shapes;
  for (TextEncoding encoding :
       {TextEncoding::kCodePage, TextEncoding::kUtf8, TextEncoding::kUtf8Marked,
        TextEncoding::kUtf16LittleEndian, TextEncoding::kUtf16BigEndian}) {
    for (LineEnds lineEnds : {LineEnds::kCrLf, LineEnds::kLf}) {
      for (bool mark : {false, true}) shapes.push_back({encoding, lineEnds, mark});
    }
  }
  return shapes;
}

std::string ShapeName(const Shape& shape) {
  return "encoding " + std::to_string(static_cast<int>(shape.encoding)) +
         (shape.lineEnds == LineEnds::kLf ? ", LF" : ", CR LF") +
         (shape.endOfFileMark ? ", Ctrl-Z" : "");
}

constexpr int kAdd = -1;

struct Change {
  const char* before;  // every file holds "é", so that UTF-8 without a mark is told apart
  int lineToRemove;    // kAdd: the line "http://new.example, New" is added
  const char* after;
};

const Change kChanges[] = {
    // Added at the end, ended by the file's line end; nothing else moves.
    {"http://a.example, \xC3\xA9 A\nnote\nhttp://b.example\n", kAdd,
     "http://a.example, \xC3\xA9 A\nnote\nhttp://b.example\nhttp://new.example, New\n"},
    // A last line without a line end gets one first.
    {"http://a.example, \xC3\xA9 A\nhttp://b.example", kAdd,
     "http://a.example, \xC3\xA9 A\nhttp://b.example\nhttp://new.example, New\n"},
    // Blank lines and ignored lines stay where they are.
    {"\n  http://ignored\n\nwww.c.example,\xC3\xA9\n\n", kAdd,
     "\n  http://ignored\n\nwww.c.example,\xC3\xA9\n\nhttp://new.example, New\n"},
    // Removing takes the line and its line end, and nothing else.
    {"http://a.example, \xC3\xA9 A\nnote\nhttp://b.example\n", 0, "note\nhttp://b.example\n"},
    {"http://a.example, \xC3\xA9 A\nnote\nhttp://b.example\n", 2,
     "http://a.example, \xC3\xA9 A\nnote\n"},
    {"http://a.example, \xC3\xA9 A\n\nhttp://b.example", 2, "http://a.example, \xC3\xA9 A\n\n"},
    {"\n\nhttp://a.example, \xC3\xA9\nhttp://a.example, \xC3\xA9\n", 3,
     "\n\nhttp://a.example, \xC3\xA9\n"},
};

TEST(ListFileModel, AddsAndRemovesExactlyOneLineInEveryForm) {
  const CodePageConversion& codePage = WesternCodePage();
  for (const Shape& shape : EveryShape()) {
    for (const Change& change : kChanges) {
      SCOPED_TRACE(ShapeName(shape) + ": " + change.before + " / " +
                   std::to_string(change.lineToRemove));
      const std::string before = FileOf(shape, change.before);
      ListFile file = ReadListFile(before, codePage);
      ASSERT_TRUE(file.exact);
      ASSERT_EQ(file.form.encoding, shape.encoding);
      ASSERT_EQ(file.form.lineEnds, shape.lineEnds);
      ChangedListFile changed =
          change.lineToRemove == kAdd
              ? BytesWithLinesAdded(before, "http://new.example, New\n", file.form.encoding,
                                    codePage)
              : BytesWithLineRemoved(before, static_cast<uint32_t>(change.lineToRemove), codePage);
      ASSERT_EQ(changed.outcome, ListChange::kChanged);
      EXPECT_EQ(changed.bytes, FileOf(shape, change.after));
    }
  }
}

TEST(ListFileModel, EachEntryKnowsItsLine) {
  ListFile file =
      ReadListFile("note\r\nhttp://a\r\n\r\nwww.b, B\rhttp://c\r\n\x1Ahttp://d", WesternCodePage());
  EXPECT_EQ(file.entryCount, 3);
  EXPECT_EQ(file.entryLines, (std::vector<uint32_t>{1, 3, 4}));
  EXPECT_EQ(BytesWithLineRemoved("note\r\nhttp://a\r\n", 2, WesternCodePage()).outcome,
            ListChange::kNoSuchLine);
}

TEST(ListFileModel, CharactersTheCodePageLacksAreNeverWrittenAsStandIns) {
  const CodePageConversion& codePage = WesternCodePage();
  const std::string omega = "http://o.example, \xCE\xA9\n";  // U+03A9, not in the code page
  const std::string before =
      "http://a, caf\xE9\r\n\x1A"
      "after";
  EXPECT_EQ(BytesWithLinesAdded(before, omega, TextEncoding::kCodePage, codePage).outcome,
            ListChange::kDoesNotFit);
  // As UTF-8 with a mark, the whole readable text changes encoding; the rest stays.
  ChangedListFile asUtf8 = BytesWithLinesAdded(before, omega, TextEncoding::kUtf8Marked, codePage);
  ASSERT_EQ(asUtf8.outcome, ListChange::kChanged);
  EXPECT_EQ(asUtf8.bytes,
            "\xEF\xBB\xBFhttp://a, caf\xC3\xA9\r\nhttp://o.example, \xCE\xA9\r\n\x1A"
            "after");
  // Code-page text of ASCII alone takes added lines as UTF-8, which reads it alike; code-page
  // bytes could happen to form UTF-8 and turn the whole file into UTF-8 text.
  EXPECT_EQ(EncodingOfAddedLines("http://a\n\x1A\xE9", TextEncoding::kCodePage),
            TextEncoding::kUtf8);
  EXPECT_EQ(EncodingOfAddedLines("http://\xE9\n", TextEncoding::kCodePage),
            TextEncoding::kCodePage);
  EXPECT_EQ(BytesWithLinesAdded("http://a\n", omega, TextEncoding::kUtf8, codePage).bytes,
            "http://a\n" + omega);
  // An empty file takes the line alone.
  EXPECT_EQ(BytesWithLinesAdded("", "http://n\n", TextEncoding::kCodePage, codePage).bytes,
            "http://n\r\n");
  // Saved text whose code-page bytes would read as UTF-8 ("\xC3\xA9" is "Ã©" in the code page)
  // is written as UTF-8, which reads back as it was.
  const std::string mojibake = "http://m, \xC3\x83\xC2\xA9";
  EXPECT_EQ(BytesOfListText(mojibake, {TextEncoding::kCodePage, LineEnds::kCrLf}, codePage).bytes,
            mojibake + "\r\n\r\n");
  EXPECT_EQ(
      BytesOfListText("http://m, caf\xC3\xA9", {TextEncoding::kCodePage, LineEnds::kLf}, codePage)
          .bytes,
      "http://m, caf\xE9\n\n");
  // A removal after which the rest would read otherwise is refused: without its only CR LF the
  // file reads with LF line ends, and its second line would become an entry.
  EXPECT_EQ(BytesWithLineRemoved("http://a, A\r\n\nhttp://b", 0, codePage).outcome,
            ListChange::kChangesOtherLines);
  // A file whose text is not its bytes is not written over.
  EXPECT_EQ(BytesWithLineRemoved("\xEF\xBB\xBFhttp://a\xE9\r\n", 0, codePage).outcome,
            ListChange::kInexact);
  EXPECT_EQ(
      BytesWithLinesAdded("\xEF\xBB\xBF\xE9\r\n", "http://n\n", TextEncoding::kUtf8Marked, codePage)
          .outcome,
      ListChange::kInexact);
}

}  // namespace
