// Measuring text as the platform draws it: the one place where the program's texts are
// measured.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/fonts.h"
#include "dialog_layer/window_records.h"

#include <algorithm>

SIZE MeasureTextIn(HDC context, std::string_view text, std::wstring& wide) {
  ToWideInto(text, wide);
  SIZE extent = {0, 0};
  if (!GetTextExtentPoint32W(context, wide.data(), static_cast<int>(wide.size()), &extent)) {
    return {0, 0};
  }
  return extent;
}

DialogTextMeasure::DialogTextMeasure(HWND window) : dialog(window), dpi(WindowDpi(window)) {
  const WindowRecord* record = FindDialogRecord(dialog);
  font = record ? record->font : reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  if (record && dpi != kLayoutDpi) layoutFont = DialogFontAtDpi(record->templateFont, kLayoutDpi);
  context = GetDC(dialog);
  if (font && context) previousFont = SelectObject(context, font);
}

DialogTextMeasure::~DialogTextMeasure() {
  if (previousFont) SelectObject(context, previousFont);
  if (context) ReleaseDC(dialog, context);
}

SIZE DialogTextMeasure::LayoutExtent(std::string_view text) {
  SIZE device = MeasureTextIn(context, text, wide);
  SIZE layout = {ScaleExtentToLayout(device.cx, dpi), ScaleExtentToLayout(device.cy, dpi)};
  if (!layoutFont || !font) return layout;
  SelectObject(context, layoutFont);
  SIZE atLayoutDpi = MeasureTextIn(context, text, wide);
  SelectObject(context, font);
  return {std::max(layout.cx, atLayoutDpi.cx), std::max(layout.cy, atLayoutDpi.cy)};
}
