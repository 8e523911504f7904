// Reaching a dialog's controls: handle, text and keyboard focus.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/window_records.h"

#include <algorithm>

namespace {

// The dialog of the layer that holds the window, following the records' parents.
HWND OwningDialog(HWND window, HWND fallback) {
  const WindowRecord* record = FindRecord(window);
  while (record && record->kind != kDialogKind) record = FindRecord(record->parent);
  return record ? record->window : fallback;
}

// The window's text as the platform holds it, in UTF-16.
std::wstring WideText(HWND window) {
  int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

}  // namespace

HWND ControlHandle(HWND dialog, int id) {
  return GetDlgItem(dialog, id);
}

void FocusControl(HWND dialog, int id) {
  HWND control = ControlHandle(dialog, id);
  if (!control) return;
  SetForegroundWindow(OwningDialog(control, dialog));
  SetFocus(control);
}

std::string GetControlText(HWND window) {
  return ToUtf8(WideText(window));
}

bool SetControlText(HWND window, const std::string& text) {
  std::wstring wide = ToWide(text);
  if (!SetWindowTextW(window, wide.c_str())) return false;
  return GetWindowTextLengthW(window) == static_cast<int>(wide.size());
}
