// Controls that come and go while a dialog is open: shown or hidden, moved, given a cue, sent
// a key.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/layout_scale.h"
#include "dialog_layer/window_records.h"

#include <commctrl.h>

void ShowControl(HWND dialog, int id, bool shown) {
  HWND control = ControlHandle(dialog, id);
  if (control) ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE);
}

// The new place is kept, so that the control follows its dialog to another DPI. The control is
// drawn anew in its new place: copying its old pixels there would keep a part of a drawing
// that was still to be finished.
void PlaceControl(HWND dialog, int id, int x, int y, int width, int height) {
  HWND control = ControlHandle(dialog, id);
  WindowRecord* record = FindRecord(control);
  if (!record) return;
  record->layout = {x, y, width, height};
  LayoutRect device = ScaleRectToDevice(record->layout, WindowDpi(control));
  SetWindowPos(control, nullptr, device.x, device.y, device.width, device.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void SetCueText(HWND dialog, int id, const std::string& text) {
  std::wstring wide = ToWide(text);
  SendDlgItemMessageW(dialog, id, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void SendKeyToControl(HWND dialog, int id, UINT virtualKey) {
  SendDlgItemMessageW(dialog, id, WM_KEYDOWN, virtualKey, 0);
}

void SelectAllText(HWND dialog, int id) {
  SendDlgItemMessageW(dialog, id, EM_SETSEL, 0, -1);
}
