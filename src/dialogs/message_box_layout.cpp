#include "dialogs/message_box_layout.h"

#include <algorithm>

namespace {

constexpr int kLabelLineHeight = 15;
constexpr int kMinimumBoxWidth = 220;
constexpr int kMinimumBoxHeight = 120;

struct IconEntry {
  int64_t iconValue;
  int resource;
  int standardId;
};
// Stop/error, question, warning and information, with the numbers of user32's own icon
// resources; the icon value doubles as the sound type.
constexpr IconEntry kIcons[] = {{kBoxStopIcon, 103, kStandardStopIcon},
                                {kBoxQuestionIcon, 102, kStandardQuestionIcon},
                                {kBoxWarningIcon, 101, kStandardWarningIcon},
                                {kBoxInformationIcon, 104, kStandardInformationIcon}};

BoxButtons ButtonsOf(int64_t value) {
  switch (value % 16) {
    case kBoxOkCancelStyle:
      return BoxButtons::kOkCancel;
    case kBoxYesNoCancelStyle:
      return BoxButtons::kYesNoCancel;
    case kBoxYesNoStyle:
      return BoxButtons::kYesNo;
    default:
      return BoxButtons::kOk;
  }
}

// Half of a whole number, rounded to the nearest integer with halves going to the even one.
int HalfRoundedToEven(int64_t value) {
  int64_t floorHalf = value >= 0 ? value / 2 : -((-value + 1) / 2);
  bool isHalfway = value - 2 * floorHalf == 1;
  if (isHalfway && floorHalf % 2 != 0) return static_cast<int>(floorHalf + 1);
  return static_cast<int>(floorHalf);
}

}  // namespace

BoxStyle DecodeBoxStyle(int32_t style) {
  BoxStyle decoded;
  decoded.modal = style < 0;
  // Widened first: the absolute value of the smallest 32-bit number does not fit 32 bits.
  decoded.value = style < 0 ? -static_cast<int64_t>(style) : style;
  decoded.textIndent = decoded.value > 6 ? 50 : 10;
  decoded.buttons = ButtonsOf(decoded.value);
  decoded.iconValue = decoded.value - decoded.value % 16;
  for (const IconEntry& icon : kIcons) {
    if (icon.iconValue != decoded.iconValue) continue;
    decoded.iconResource = icon.resource;
    decoded.standardIconId = icon.standardId;
    decoded.soundType = static_cast<uint32_t>(icon.iconValue);
  }
  return decoded;
}

std::vector<std::string> SplitBoxLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

TextExtent MeasureBoxText(const std::vector<std::string>& lines,
                          const std::function<TextExtent(const std::string&)>& measureLine) {
  TextExtent text;
  for (const std::string& line : lines) {
    TextExtent extent = measureLine(line);
    text.width = std::max(text.width, extent.width);
    text.height = extent.height;
  }
  return text;
}

BoxSize BoxOuterSize(int textIndent, TextExtent text, size_t lineCount) {
  int64_t width = int64_t{textIndent} + text.width + 25;
  int64_t height = int64_t{text.height} * static_cast<int64_t>(lineCount) + 100;
  return {static_cast<int>(std::clamp<int64_t>(width, kMinimumBoxWidth, INT32_MAX)),
          static_cast<int>(std::clamp<int64_t>(height, kMinimumBoxHeight, INT32_MAX))};
}

BoxSize BoxLabelSize(int textWidth, size_t lineCount) {
  int64_t height = int64_t{kLabelLineHeight} * static_cast<int64_t>(lineCount);
  return {textWidth, static_cast<int>(std::min<int64_t>(height, INT32_MAX))};
}

std::vector<BoxButton> BoxButtonRow(BoxButtons buttons) {
  constexpr uint32_t kDefault = kBoxDefaultButtonStyle;
  switch (buttons) {
    case BoxButtons::kOkCancel:
      return {{kBoxFirstButtonId, "&Ok", 10, 60, kDefault},
              {kBoxSecondButtonId, "&Cancel", 75, 60, 0}};
    case BoxButtons::kYesNoCancel:
      return {{kBoxFirstButtonId, "&Yes", 10, 60, kDefault},
              {kBoxSecondButtonId, "&No", 75, 60, 0},
              {kBoxCancelButtonId, "Cancel", 140, 60, 0}};
    case BoxButtons::kYesNo:
      return {{kBoxFirstButtonId, "&Yes", 10, 60, 0}, {kBoxSecondButtonId, "&No", 75, 60, 0}};
    case BoxButtons::kOk:
      break;
  }
  return {{kBoxOkButtonId, "&Ok", 30, 80, kDefault}};
}

int BoxButtonTop(int boxHeight) {
  return boxHeight - 70;
}

ScreenPoint PlaceBox(int x, int y, const ScreenRect& reference, BoxSize box) {
  if (x != 0 || y != 0) return {std::max(x, 0), std::max(y, 0)};
  return {reference.left + HalfRoundedToEven(int64_t{reference.width} - box.width),
          reference.top + HalfRoundedToEven(int64_t{reference.height} - box.height)};
}

std::optional<int32_t> BoxResultForCommand(int commandId) {
  switch (commandId) {
    case kBoxFirstButtonId:
    case kBoxIdOk:
      return kBoxIdYes;
    case kBoxSecondButtonId:
    case kBoxIdCancel:  // which Escape sends
      return kBoxIdNo;
    case kBoxCancelButtonId:
      return kBoxIdCancel;
    case kBoxOkButtonId:
      return kBoxIdOk;
    default:
      return std::nullopt;
  }
}
