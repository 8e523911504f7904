// The arithmetic of the sized message box: what its style value means, how its text splits
// into lines, how large the box and its label are, where its buttons and the box itself go,
// and which result each command ends it with. Portable: no platform types.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Control ids of the box.
constexpr int kBoxTextId = 9990;
constexpr int kBoxFirstButtonId = 9991;
constexpr int kBoxSecondButtonId = 9992;
constexpr int kBoxCancelButtonId = 9993;
constexpr int kBoxOkButtonId = 9994;
constexpr int kBoxIconId = 9995;

// The platform's message-box numbers the box is read and answered with. The portable core has
// no windows.h, so it names them itself; the sized message box checks that they agree.
// Button sets, selected by the style value modulo 16 (MB_OKCANCEL, MB_YESNOCANCEL, MB_YESNO;
// any other remainder is MB_OK).
constexpr int64_t kBoxOkCancelStyle = 1;
constexpr int64_t kBoxYesNoCancelStyle = 3;
constexpr int64_t kBoxYesNoStyle = 4;
// Icons, selected by the style value less that remainder (MB_ICONHAND, MB_ICONQUESTION,
// MB_ICONEXCLAMATION, MB_ICONASTERISK), and their standard ids (IDI_HAND, IDI_QUESTION,
// IDI_EXCLAMATION, IDI_ASTERISK).
constexpr int64_t kBoxStopIcon = 16;
constexpr int64_t kBoxQuestionIcon = 32;
constexpr int64_t kBoxWarningIcon = 48;
constexpr int64_t kBoxInformationIcon = 64;
constexpr int kStandardStopIcon = 32513;
constexpr int kStandardQuestionIcon = 32514;
constexpr int kStandardWarningIcon = 32515;
constexpr int kStandardInformationIcon = 32516;
// Commands and results (IDOK, IDCANCEL, IDYES, IDNO).
constexpr int32_t kBoxIdOk = 1;
constexpr int32_t kBoxIdCancel = 2;
constexpr int32_t kBoxIdYes = 6;
constexpr int32_t kBoxIdNo = 7;
// The button style of the default push button (BS_DEFPUSHBUTTON).
constexpr uint32_t kBoxDefaultButtonStyle = 1;

// The button sets, named by the style value (modulo 16) that selects them.
enum class BoxButtons { kOk, kOkCancel, kYesNoCancel, kYesNo };

struct BoxStyle {
  bool modal = false;   // the style was negative
  int64_t value = 0;    // the style's absolute value, which everything below is read from
  int textIndent = 10;  // x of the text: 50 when the value is above 6 (room for the icon)
  BoxButtons buttons = BoxButtons::kOk;
  int64_t iconValue = 0;   // value - value mod 16
  int iconResource = 0;    // the system icon's resource id, 0 when the box shows no icon
  int standardIconId = 0;  // the same icon's standard id (IDI_*), where the first is missing
  uint32_t soundType = 0;  // the beep's sound type, 0 (the default sound) without an icon
};

BoxStyle DecodeBoxStyle(int32_t style);

// The lines of a text split at every CR LF; a text ending in CR LF has an empty last line, and
// an empty text is one empty line.
std::vector<std::string> SplitBoxLines(const std::string& text);

struct TextExtent {
  int width = 0;
  int height = 0;
};

// The widest line's width (0 at least) and the height of the last line, with each line
// measured by measureLine.
TextExtent MeasureBoxText(const std::vector<std::string>& lines,
                          const std::function<TextExtent(const std::string&)>& measureLine);

struct BoxSize {
  int width = 0;
  int height = 0;
};

// Outer size of the box. Nothing bounds it: long or many lines make it as large as they need.
BoxSize BoxOuterSize(int textIndent, TextExtent text, size_t lineCount);
// Size of the text label: the widest line by a fixed 15 pixels per line.
BoxSize BoxLabelSize(int textWidth, size_t lineCount);

struct BoxButton {
  int id = 0;
  const char* text = "";
  int x = 0;
  int width = 0;
  uint32_t style = 0;  // kBoxDefaultButtonStyle, or 0: the kind's default (push button, tab stop)
};
constexpr int kBoxButtonHeight = 30;

// The buttons of a set, left to right.
std::vector<BoxButton> BoxButtonRow(BoxButtons buttons);
// y of the button row in a box of the given outer height.
int BoxButtonTop(int boxHeight);

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// Top-left corner of the box: (max(x, 0), max(y, 0)) when x or y is non-zero, else centred on
// the reference rectangle with halves rounded to the even neighbour.
ScreenPoint PlaceBox(int x, int y, const ScreenRect& reference, BoxSize box);

// The value a command ends the box with; none for a command the box ignores.
std::optional<int32_t> BoxResultForCommand(int commandId);
