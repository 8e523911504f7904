#include "dialogs/message_box_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

TEST(BoxStyle, SignButtonsIconAndIndent) {
  struct Case {
    int32_t style;
    bool modal;
    int indent;
    BoxButtons buttons;
    int iconResource;
    uint32_t sound;
  };
  const Case cases[] = {
      {0, false, 10, BoxButtons::kOk, 0, 0},
      {-1, true, 10, BoxButtons::kOkCancel, 0, 0},
      {-3, true, 10, BoxButtons::kYesNoCancel, 0, 0},
      {4, false, 10, BoxButtons::kYesNo, 0, 0},
      {-6, true, 10, BoxButtons::kOk, 0, 0},
      {7, false, 50, BoxButtons::kOk, 0, 0},  // indent above 6 even without an icon
      {-16, true, 50, BoxButtons::kOk, 103, 0x10},
      {-35, true, 50, BoxButtons::kYesNoCancel, 102, 0x20},
      {0x31, false, 50, BoxButtons::kOkCancel, 101, 0x30},
      {-64, true, 50, BoxButtons::kOk, 104, 0x40},
      {-0x44, true, 50, BoxButtons::kYesNo, 104, 0x40},
      {-128, true, 50, BoxButtons::kOk, 0, 0},
      {0x50, false, 50, BoxButtons::kOk, 0, 0},
      {INT32_MIN, true, 50, BoxButtons::kOk, 0, 0},
      {INT32_MAX, false, 50, BoxButtons::kOk, 0, 0},
  };
  for (const Case& c : cases) {
    BoxStyle decoded = DecodeBoxStyle(c.style);
    EXPECT_EQ(decoded.modal, c.modal) << c.style;
    EXPECT_EQ(decoded.textIndent, c.indent) << c.style;
    EXPECT_EQ(decoded.buttons, c.buttons) << c.style;
    EXPECT_EQ(decoded.iconResource, c.iconResource) << c.style;
    EXPECT_EQ(decoded.soundType, c.sound) << c.style;
    EXPECT_EQ(decoded.standardIconId, c.iconResource ? 32512 + c.sound / 16 : 0) << c.style;
  }
  EXPECT_EQ(DecodeBoxStyle(INT32_MIN).value, int64_t{1} << 31);
}

TEST(BoxLines, SplitOnlyAtCrLf) {
  EXPECT_EQ(SplitBoxLines(""), Strings{""});
  EXPECT_EQ(SplitBoxLines("a\r\nb"), (Strings{"a", "b"}));
  EXPECT_EQ(SplitBoxLines("a\r\n"), (Strings{"a", ""})) << "a final CR LF adds an empty line";
  EXPECT_EQ(SplitBoxLines("\r\n\r\n"), (Strings{"", "", ""}));
  EXPECT_EQ(SplitBoxLines("a\nb\rc"), Strings{"a\nb\rc"}) << "lone LF and CR do not split";
  EXPECT_EQ(SplitBoxLines("a\r\r\nb"), (Strings{"a\r", "b"}));
}

// A stand-in for the font: 7 pixels per character; an empty line reports emptyLineHeight.
TextExtent FakeMeasure(const std::string& line, int emptyLineHeight) {
  return {static_cast<int>(line.size()) * 7, line.empty() ? emptyLineHeight : 13};
}

struct Layout {
  BoxSize box;
  BoxSize label;
};
Layout LayOut(const std::string& text, int32_t style, int emptyLineHeight) {
  Strings lines = SplitBoxLines(text);
  TextExtent extent = MeasureBoxText(
      lines, [&](const std::string& line) { return FakeMeasure(line, emptyLineHeight); });
  int indent = DecodeBoxStyle(style).textIndent;
  return {BoxOuterSize(indent, extent, lines.size()), BoxLabelSize(extent.width, lines.size())};
}

TEST(BoxSize, GrowsWithTheTextAboveItsMinimum) {
  struct Case {
    const char* name;
    std::string text;
    int32_t style;
    int emptyLineHeight;
    int width, height, labelWidth, labelHeight;
  };
  const std::string longLine(1000, 'w');
  const Case cases[] = {
      {"empty text", "", -64, 13, 220, 120, 0, 15},
      {"empty text, tall font", "", 0, 40, 220, 140, 0, 15},
      {"two short lines", "ab\r\ncd", 0, 13, 220, 126, 14, 30},
      // The last line is the empty one: its measured height, times all three lines.
      {"final CR LF, empty line 0 high", "abc\r\nde\r\n", 0, 0, 220, 120, 21, 45},
      {"final CR LF, empty line 16 high", "abc\r\nde\r\n", 0, 16, 220, 148, 21, 45},
      {"widest line, not the last", "x\r\n" + std::string(40, 'x') + "\r\nx", -64, 13,
       50 + 280 + 25, 139, 280, 45},
      {"very long line, no wrapping", longLine, 0, 13, 10 + 7000 + 25, 120, 7000, 15},
  };
  for (const Case& c : cases) {
    Layout layout = LayOut(c.text, c.style, c.emptyLineHeight);
    EXPECT_EQ(layout.box.width, c.width) << c.name;
    EXPECT_EQ(layout.box.height, c.height) << c.name;
    EXPECT_EQ(layout.label.width, c.labelWidth) << c.name;
    EXPECT_EQ(layout.label.height, c.labelHeight) << c.name;
  }
}

TEST(BoxButtons, SetsByPositionIdsAndDefaultStyle) {
  auto describe = [](BoxButtons set) {
    std::string out;
    for (const BoxButton& b : BoxButtonRow(set)) {
      out += std::to_string(b.id) + " " + b.text + " " + std::to_string(b.x) + "+" +
             std::to_string(b.width) + " s" + std::to_string(b.style) + "; ";
    }
    return out;
  };
  EXPECT_EQ(describe(BoxButtons::kOk), "9994 &Ok 30+80 s1; ");
  EXPECT_EQ(describe(BoxButtons::kOkCancel), "9991 &Ok 10+60 s1; 9992 &Cancel 75+60 s0; ");
  EXPECT_EQ(describe(BoxButtons::kYesNoCancel),
            "9991 &Yes 10+60 s1; 9992 &No 75+60 s0; 9993 Cancel 140+60 s0; ");
  EXPECT_EQ(describe(BoxButtons::kYesNo), "9991 &Yes 10+60 s0; 9992 &No 75+60 s0; ");
  EXPECT_EQ(BoxButtonTop(120), 50);
}

TEST(BoxPlacement, GivenCornerOrCentredWithHalvesToEven) {
  struct Case {
    const char* name;
    int x, y;
    ScreenRect reference;
    BoxSize box;
    int left, top;
  };
  const Case cases[] = {
      {"centred", 0, 0, {100, 50, 400, 300}, {220, 120}, 190, 140},
      // (401 - 220) / 2 = 90.5 -> 90 and (301 - 120) / 2 = 90.5 -> 90; 91.5 -> 92.
      {"half pixel to even, down", 0, 0, {0, 0, 401, 301}, {220, 120}, 90, 90},
      {"half pixel to even, up", 0, 0, {0, 0, 403, 303}, {220, 120}, 92, 92},
      {"box larger than reference", 0, 0, {10, 10, 100, 100}, {221, 223}, 10 - 60, 10 - 62},
      {"work area at the origin", 0, 0, {0, 0, 1024, 738}, {355, 139}, 334, 300},
      {"only y given", 0, 100, {100, 50, 400, 300}, {220, 120}, 0, 100},
      {"negative x clamped", -50, 0, {100, 50, 400, 300}, {220, 120}, 0, 0},
      {"both given", 200, 100, {100, 50, 400, 300}, {220, 120}, 200, 100},
  };
  for (const Case& c : cases) {
    ScreenPoint at = PlaceBox(c.x, c.y, c.reference, c.box);
    EXPECT_EQ(at.x, c.left) << c.name;
    EXPECT_EQ(at.y, c.top) << c.name;
  }
}

TEST(BoxResults, GoByButtonPositionNotLabel) {
  const std::pair<int, int32_t> results[] = {{9991, 6}, {1, 6},    {9992, 7},
                                             {2, 7},    {9993, 2}, {9994, 1}};
  for (auto [command, result] : results) {
    EXPECT_EQ(BoxResultForCommand(command), std::optional<int32_t>(result)) << command;
  }
  for (int ignored : {0, 3, 6, 7, 9990, 9995, 0xFFFF}) {
    EXPECT_FALSE(BoxResultForCommand(ignored).has_value()) << ignored;
  }
}

}  // namespace
