// WM_DPICHANGED: a dialog moved to a monitor of another scale lays itself out again there.
#include "dialog_layer/display_scale.h"
#include "dialog_layer/fonts.h"
#include "dialog_layer/layout_scale.h"
#include "dialog_layer/window_records.h"

namespace {

// The horizontal extent of a list box is in device pixels of its text widths (see
// ListSetScrollWidth), which grow with the font.
void RescaleScrollWidth(HWND list, int fromDpi, int toDpi) {
  LRESULT extent = SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0);
  if (extent <= 0) return;
  int rescaled = RescaleExtent(static_cast<int>(extent), fromDpi, toDpi);
  SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(rescaled), 0);
}

// The control in the dialog's new font, where its layout puts it at the new DPI. A status bar
// places itself along the bottom when it gets its dialog's size; its parts are sent anew.
void LayOutControl(const WindowRecord& control, HFONT font, int fromDpi, int toDpi) {
  SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (control.kind == kStatusBar) {
    if (!control.statusEdges.empty()) SendStatusParts(control.window, control.statusEdges, toDpi);
    return;
  }
  if (control.kind == kListBox) RescaleScrollWidth(control.window, fromDpi, toDpi);
  LayoutRect device = ScaleRectToDevice(control.layout, toDpi);
  SetWindowPos(control.window, nullptr, device.x, device.y, device.width, device.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void ApplyDpiChange(HWND dialog, int dpi, const RECT& suggested) {
  WindowRecord* record = FindDialogRecord(dialog);
  if (!record || dpi <= 0) return;
  int previousDpi = record->dpi;
  record->dpi = dpi;
  record->font = DialogFontAtDpi(record->templateFont, dpi);
  std::vector<HWND> controls = ControlsOf(dialog);
  for (HWND control : controls) {
    const WindowRecord* controlRecord = FindRecord(control);
    if (controlRecord) LayOutControl(*controlRecord, record->font, previousDpi, dpi);
  }
  // The callback gets the new size (WM_SIZE) with the layout already at the new DPI.
  SetWindowPos(dialog, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client = {0, 0, 0, 0};
  GetClientRect(dialog, &client);
  for (HWND control : controls) {
    SendMessageW(control, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  }
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
