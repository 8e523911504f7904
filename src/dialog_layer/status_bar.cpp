// Status-bar parts and texts; parts count from 1.
#include "dialog_layer/dialog_layer.h"

#include <commctrl.h>

void SetStatusParts(HWND dialog, int statusId, const std::vector<int>& rightEdges) {
  // The platform's right edge is the last pixel of a part, hence one less than the caller's.
  std::vector<int> edges;
  for (int edge : rightEdges) edges.push_back(edge - 1);
  SendDlgItemMessageW(dialog, statusId, SB_SETPARTS, edges.size(),
                      reinterpret_cast<LPARAM>(edges.data()));
}

void SetStatusText(HWND dialog, int statusId, int part, int drawingStyle, const std::string& text) {
  std::wstring wide = ToWide(text);
  WPARAM partAndStyle = static_cast<WPARAM>((part - 1) & 0xFF) | static_cast<WPARAM>(drawingStyle);
  SendDlgItemMessageW(dialog, statusId, SB_SETTEXTW, partAndStyle,
                      reinterpret_cast<LPARAM>(wide.c_str()));
}
