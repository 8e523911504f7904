// AttachAccelerators and AttachKeysOutsideText: the keyboard shortcuts that the modal loop
// translates for a dialog.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/window_records.h"

HACCEL AttachAccelerators(HWND dialog, const std::vector<ACCEL>& records) {
  WindowRecord* record = FindDialogRecord(dialog);
  if (!record) return nullptr;
  if (record->accelerators) DestroyAcceleratorTable(record->accelerators);
  record->accelerators = nullptr;
  if (records.empty()) return nullptr;
  std::vector<ACCEL> copy = records;  // the platform takes a non-const array
  record->accelerators = CreateAcceleratorTableW(copy.data(), static_cast<int>(copy.size()));
  return record->accelerators;
}

std::vector<ACCEL> AttachedAccelerators(HWND dialog) {
  const WindowRecord* record = FindDialogRecord(dialog);
  if (!record || !record->accelerators) return {};
  int count = CopyAcceleratorTableW(record->accelerators, nullptr, 0);
  std::vector<ACCEL> records(static_cast<size_t>(count > 0 ? count : 0));
  if (count > 0) CopyAcceleratorTableW(record->accelerators, records.data(), count);
  return records;
}

void AttachKeysOutsideText(HWND dialog, const std::vector<ACCEL>& records) {
  WindowRecord* record = FindDialogRecord(dialog);
  if (!record) return;
  if (record->keysOutsideText) DestroyAcceleratorTable(record->keysOutsideText);
  record->keysOutsideText = nullptr;
  if (records.empty()) return;
  std::vector<ACCEL> copy = records;  // the platform takes a non-const array
  record->keysOutsideText = CreateAcceleratorTableW(copy.data(), static_cast<int>(copy.size()));
}
