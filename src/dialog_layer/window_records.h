// The layer's window records: one for every dialog and control the layer created, looked up by
// window handle. A record lives from its window's creation until its dialog gets WM_NCDESTROY.
#pragma once

#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/layout_scale.h"

#include <cstddef>
#include <list>
#include <vector>

// Marker of a colour that was never set: the layer leaves such a window's colours alone.
constexpr int32_t kUnsetColor = -3;

// Kind code of a dialog's record; controls carry their ControlKind.
constexpr int kDialogKind = 0;

struct WindowRecord {
  HWND window = nullptr;
  HWND parent = nullptr;  // dialog: its owner (may be none); control: its dialog
  int kind = kDialogKind;
  int showState = SW_SHOW;
  DialogCallback callback = nullptr;
  int32_t* resultDestination = nullptr;
  HFONT font = nullptr;  // dialog: the font of its controls, made at its DPI
  // Dialog: the font the platform made from its template (it goes with the dialog), and the DPI
  // its layout is scaled by: the platform's when it was made, then that of each WM_DPICHANGED.
  HFONT templateFont = nullptr;
  int dpi = kLayoutDpi;
  // Control: where the program put it, in layout pixels; a status bar: its parts' right edges.
  LayoutRect layout;
  std::vector<int> statusEdges;
  int32_t textColor = kUnsetColor;
  int32_t backgroundColor = kUnsetColor;
  HBRUSH backgroundBrush = nullptr;
  DWORD style = 0;  // as created; a dialog's DS_NOIDLEMSG decides its owner's idle messages
  HACCEL accelerators = nullptr;
  HACCEL keysOutsideText = nullptr;  // translated only while no text field has the focus
  bool dismissing = false;           // DismissDialog is ending this dialog right now
  bool messageResultSet = false;     // the callback has set the result of the current message
};

// Adds a record and returns it; the address stays valid until the record is released.
WindowRecord* AddRecord(const WindowRecord& record);
// The record of the window, or nullptr when the layer keeps none.
WindowRecord* FindRecord(HWND window);
// The record of the window when it is a dialog of the layer, else nullptr.
WindowRecord* FindDialogRecord(HWND window);
// Releases the records of the dialog and of its controls, with their unused brushes.
void ReleaseDialogRecords(HWND dialog);
// Releases every record left (at the end of the process).
void ReleaseAllRecords();
// Every record, in creation order.
const std::list<WindowRecord>& AllRecords();
// The number of records kept.
size_t RecordCount();
// The dialog's controls that the layer created, in creation order.
std::vector<HWND> ControlsOf(HWND dialog);
// The dialog itself for kTheDialog, else its child window with that id (nullptr if none).
HWND TargetWindow(HWND dialog, int32_t controlId);
