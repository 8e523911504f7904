// NewDialog: a hidden dialog made from an in-memory template, then sized so that its client
// area has exactly the size asked for, at its DPI, and placed on the screen.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/dialog_procedure.h"
#include "dialog_layer/dialog_template.h"
#include "dialog_layer/display_scale.h"
#include "dialog_layer/fonts.h"
#include "dialog_layer/layout_scale.h"
#include "dialog_layer/thread_settings.h"
#include "dialog_layer/window_records.h"
#include "dialog_layer/work_area.h"

namespace {

constexpr DWORD kDefaultDialogStyle =
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
static_assert(kDefaultDialogStyle == 0x80C000D4, "the style of a dialog made with style 0");

bool IsCentreRequest(int x, int y) {
  return x == kCentred || y == kCentred;
}

DWORD DialogStyle(DWORD style, HWND owner, bool centre) {
  if (style == 0) style = kDefaultDialogStyle;
  style |= DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
  style &= ~(WS_VISIBLE | DS_SYSMODAL);
  if (centre) style |= DS_CENTER;
  if (style & WS_CHILD) {
    style &= ~(WS_POPUP | DS_ABSALIGN);
    if (!owner) style = (style & ~WS_CHILD) | WS_POPUP;
  }
  return style;
}

int ShowStateOf(DWORD requestedStyle) {
  if (requestedStyle & WS_MAXIMIZE) return SW_MAXIMIZE;
  if (requestedStyle & WS_MINIMIZE) return SW_MINIMIZE;
  return SW_SHOW;
}

POINT DialogPosition(HWND owner, DWORD style, int x, int y, SIZE windowSize, int dpi) {
  if (style & DS_CENTER) return CentredOnWorkArea(windowSize);
  POINT position = {ScaleToDevice(x, dpi), ScaleToDevice(y, dpi)};
  if (owner && !(style & (WS_CHILD | DS_ABSALIGN))) {
    POINT origin = {0, 0};
    ClientToScreen(owner, &origin);
    position.x += origin.x;
    position.y += origin.y;
  }
  return position;
}

// Gives the window a client area of width x height layout pixels at its DPI and moves it into
// place.
void PlaceInPixels(HWND dialog, HWND owner, DWORD style, int x, int y, int width, int height,
                   int dpi) {
  SIZE frame = DeviceFrameSize(dialog);
  SIZE windowSize = {ScaleToDevice(width, dpi) + frame.cx, ScaleToDevice(height, dpi) + frame.cy};
  POINT position = DialogPosition(owner, style, x, y, windowSize, dpi);
  constexpr UINT kPlaceFlags = SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOCOPYBITS |
                               SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;  // 0x71C
  SetWindowPos(dialog, nullptr, position.x, position.y, windowSize.cx, windowSize.cy, kPlaceFlags);
}

HWND CreateFromTemplate(HWND owner, DWORD style, DWORD extendedStyle, int x, int y, int width,
                        int height) {
  std::vector<WORD> words =
      BuildDialogTemplate(style, extendedStyle, x, y, width, height, LayerFont(DialogFontNumber()));
  auto dialogTemplate = reinterpret_cast<LPCDLGTEMPLATEW>(words.data());
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, owner,
                                    LayerDialogProcedure, 0);
}

}  // namespace

HWND NewDialog(int unitsMode, HWND owner, const std::string& caption, int x, int y, int width,
               int height, DWORD style, DWORD extendedStyle) {
  // Only pixel mode is built; any other mode fails instead of giving wrong sizes.
  if (unitsMode != kPixelMode) return nullptr;
  DWORD finalStyle = DialogStyle(style, owner, IsCentreRequest(x, y));
  HWND dialog = CreateFromTemplate(owner, finalStyle, extendedStyle, x, y, width, height);
  if (!dialog) return nullptr;
  KeepDpiChangesToLayer(dialog);
  int dpi = PlatformDpi(dialog);
  PlaceInPixels(dialog, owner, finalStyle, x, y, width, height, dpi);
  SetWindowTextW(dialog, ToWide(caption).c_str());
  WindowRecord record;
  record.window = dialog;
  record.parent = owner;
  record.showState = ShowStateOf(style);
  record.style = finalStyle;
  record.dpi = dpi;
  record.templateFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  record.font = DialogFontAtDpi(record.templateFont, dpi);
  AddRecord(record);
  return dialog;
}
