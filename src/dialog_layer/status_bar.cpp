// Status-bar parts and texts; parts count from 1.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/display_scale.h"
#include "dialog_layer/layout_scale.h"
#include "dialog_layer/window_records.h"

#include <commctrl.h>

void SendStatusParts(HWND statusBar, const std::vector<int>& rightEdges, int dpi) {
  // The platform's right edge is the last pixel of a part, hence one less than the caller's.
  std::vector<int> edges;
  for (int edge : rightEdges) edges.push_back(ScaleToDevice(edge, dpi) - 1);
  SendMessageW(statusBar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

// The edges are kept, so that the parts follow the status bar to another DPI.
void SetStatusParts(HWND dialog, int statusId, const std::vector<int>& rightEdges) {
  HWND statusBar = GetDlgItem(dialog, statusId);
  WindowRecord* record = FindRecord(statusBar);
  if (record) record->statusEdges = rightEdges;
  SendStatusParts(statusBar, rightEdges, WindowDpi(dialog));
}

void SetStatusText(HWND dialog, int statusId, int part, int drawingStyle, const std::string& text) {
  std::wstring wide = ToWide(text);
  WPARAM partAndStyle = static_cast<WPARAM>((part - 1) & 0xFF) | static_cast<WPARAM>(drawingStyle);
  SendDlgItemMessageW(dialog, statusId, SB_SETTEXTW, partAndStyle,
                      reinterpret_cast<LPARAM>(wide.c_str()));
}
