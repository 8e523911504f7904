// Colours that the program asked for, applied when a dialog is asked for a control's colours.
// Windows with the same real background colour share one solid brush.
#include "dialog_layer/colors.h"

#include "dialog_layer/window_records.h"

namespace {

struct SystemColors {
  int text;
  int background;
};

// The platform's colours for each WM_CTLCOLOR* message, from WM_CTLCOLORMSGBOX on.
constexpr SystemColors kDefaultColors[] = {
    {COLOR_MENUTEXT, COLOR_MENU},         // WM_CTLCOLORMSGBOX
    {COLOR_WINDOWTEXT, COLOR_WINDOW},     // WM_CTLCOLOREDIT
    {COLOR_WINDOWTEXT, COLOR_WINDOW},     // WM_CTLCOLORLISTBOX
    {COLOR_BTNTEXT, COLOR_BTNFACE},       // WM_CTLCOLORBTN
    {COLOR_WINDOWTEXT, COLOR_BTNFACE},    // WM_CTLCOLORDLG
    {COLOR_WINDOWTEXT, COLOR_SCROLLBAR},  // WM_CTLCOLORSCROLLBAR
    {COLOR_WINDOWTEXT, COLOR_BTNFACE},    // WM_CTLCOLORSTATIC
};

bool IsRealColor(int32_t color) {
  return color >= 0;
}

int32_t NormalTextColor(int32_t color) {
  return color < 0 ? kDefaultColor : color & 0xFFFFFF;
}

int32_t NormalBackgroundColor(int32_t color) {
  if (color == kTransparentColor) return kTransparentColor;
  return color < 0 ? kDefaultColor : color & 0xFFFFFF;
}

// The brush another record already paints this colour with, or a new one.
HBRUSH BrushForColor(int32_t color) {
  for (const WindowRecord& record : AllRecords()) {
    if (record.backgroundColor == color && record.backgroundBrush) return record.backgroundBrush;
  }
  return CreateSolidBrush(static_cast<COLORREF>(color));
}

bool ColorInUse(int32_t color) {
  for (const WindowRecord& record : AllRecords()) {
    if (record.backgroundColor == color) return true;
  }
  return false;
}

}  // namespace

void ReleaseBrushIfUnused(int32_t backgroundColor, HBRUSH brush) {
  if (!brush || !IsRealColor(backgroundColor) || ColorInUse(backgroundColor)) return;
  DeleteObject(brush);
}

void SetColors(HWND dialog, int32_t controlId, int32_t textColor, int32_t backgroundColor) {
  WindowRecord* record = FindRecord(TargetWindow(dialog, controlId));
  if (!record) return;
  int32_t oldColor = record->backgroundColor;
  HBRUSH oldBrush = record->backgroundBrush;
  int32_t newColor = NormalBackgroundColor(backgroundColor);
  record->textColor = NormalTextColor(textColor);
  record->backgroundBrush = IsRealColor(newColor) ? BrushForColor(newColor) : nullptr;
  record->backgroundColor = newColor;
  ReleaseBrushIfUnused(oldColor, oldBrush);
  InvalidateRect(record->window, nullptr, TRUE);
}

INT_PTR AnswerControlColor(UINT message, HDC dc, HWND window) {
  const WindowRecord* record = FindRecord(window);
  if (!record || record->textColor == kUnsetColor) return 0;
  const SystemColors& defaults = kDefaultColors[message - WM_CTLCOLORMSGBOX];
  bool defaultText = record->textColor == kDefaultColor;
  SetTextColor(dc, defaultText ? GetSysColor(defaults.text) : record->textColor);
  switch (record->backgroundColor) {
    case kDefaultColor:
      SetBkColor(dc, GetSysColor(defaults.background));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(defaults.background));
    case kTransparentColor:
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    default:
      SetBkColor(dc, static_cast<COLORREF>(record->backgroundColor));
      return reinterpret_cast<INT_PTR>(record->backgroundBrush);
  }
}
