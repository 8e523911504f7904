// The record list. A program has a handful of windows, so records are found by a linear search.
#include "dialog_layer/window_records.h"

#include "dialog_layer/colors.h"

namespace {

std::list<WindowRecord> gRecords;

bool BelongsToDialog(const WindowRecord& record, HWND dialog) {
  if (record.window == dialog) return true;
  return record.kind != kDialogKind && record.parent == dialog;
}

void ReleaseRecordsWhere(bool (*matches)(const WindowRecord&, HWND), HWND dialog) {
  std::vector<std::pair<int32_t, HBRUSH>> brushes;
  for (auto it = gRecords.begin(); it != gRecords.end();) {
    if (!matches(*it, dialog)) {
      ++it;
      continue;
    }
    brushes.emplace_back(it->backgroundColor, it->backgroundBrush);
    it = gRecords.erase(it);
  }
  // Brushes are released once the records are gone, so a colour shared only among the
  // released records counts as unused.
  for (const auto& [color, brush] : brushes) ReleaseBrushIfUnused(color, brush);
}

bool AnyRecord(const WindowRecord&, HWND) {
  return true;
}

}  // namespace

WindowRecord* AddRecord(const WindowRecord& record) {
  gRecords.push_back(record);
  return &gRecords.back();
}

WindowRecord* FindRecord(HWND window) {
  if (!window) return nullptr;
  for (WindowRecord& record : gRecords) {
    if (record.window == window) return &record;
  }
  return nullptr;
}

WindowRecord* FindDialogRecord(HWND window) {
  WindowRecord* record = FindRecord(window);
  return record && record->kind == kDialogKind ? record : nullptr;
}

void ReleaseDialogRecords(HWND dialog) {
  ReleaseRecordsWhere(BelongsToDialog, dialog);
}

void ReleaseAllRecords() {
  ReleaseRecordsWhere(AnyRecord, nullptr);
}

const std::list<WindowRecord>& AllRecords() {
  return gRecords;
}

size_t RecordCount() {
  return gRecords.size();
}

std::vector<HWND> ControlsOf(HWND dialog) {
  std::vector<HWND> controls;
  for (const WindowRecord& record : gRecords) {
    if (record.kind != kDialogKind && record.parent == dialog) controls.push_back(record.window);
  }
  return controls;
}

HWND TargetWindow(HWND dialog, int32_t controlId) {
  if (controlId == kTheDialog) return dialog;
  return GetDlgItem(dialog, controlId);
}
