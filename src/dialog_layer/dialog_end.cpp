// DismissDialog: ends a dialog of the layer with a value.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/window_records.h"

namespace {

void DestroyAccelerators(HWND dialog) {
  WindowRecord* record = FindDialogRecord(dialog);
  if (!record) return;
  if (record->accelerators) DestroyAcceleratorTable(record->accelerators);
  if (record->keysOutsideText) DestroyAcceleratorTable(record->keysOutsideText);
  record->accelerators = nullptr;
  record->keysOutsideText = nullptr;
}

}  // namespace

void DismissDialog(HWND dialog, int32_t endValue) {
  WindowRecord* record = FindDialogRecord(dialog);
  // A callback that dismisses its dialog again while handling the WM_CLOSE of a dismissal
  // would otherwise recurse without end; the first dismissal finishes the job.
  if (!record || record->dismissing) return;
  record->dismissing = true;
  if (record->resultDestination) *record->resultDestination = endValue;
  HWND owner = record->parent;
  SendMessageW(dialog, WM_CLOSE, 0, 0);
  if (owner) EnableWindow(owner, TRUE);
  DestroyAccelerators(dialog);
  DestroyWindow(dialog);
}
