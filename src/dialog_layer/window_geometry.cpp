// Sizes and places of dialogs and controls as the program reads and sets them: in layout
// pixels, scaled by the window's DPI.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/display_scale.h"
#include "dialog_layer/layout_scale.h"
#include "dialog_layer/window_records.h"

namespace {

// Device size of a window whose outer size (frame and title bar included) is given in layout
// pixels: its client area is that size less the frame the window has at 96 DPI, scaled, and its
// frame is the one it has now.
SIZE OuterSizeAtDpi(HWND window, int width, int height, int dpi) {
  SIZE frame = DeviceFrameSize(window);
  SIZE layoutFrame = LayoutFrameSize(window, dpi);
  return {ScaleToDevice(width - layoutFrame.cx, dpi) + frame.cx,
          ScaleToDevice(height - layoutFrame.cy, dpi) + frame.cy};
}

// A control keeps its corner; its size is scaled as its edges are.
SIZE ControlSizeAtDpi(WindowRecord* record, int width, int height, int dpi) {
  LayoutRect layout = record ? record->layout : LayoutRect();
  layout.width = width;
  layout.height = height;
  if (record) record->layout = layout;
  LayoutRect device = ScaleRectToDevice(layout, dpi);
  return {device.width, device.height};
}

}  // namespace

SIZE GetClientSize(HWND dialog, int32_t controlId) {
  RECT client = {0, 0, 0, 0};
  HWND target = TargetWindow(dialog, controlId);
  if (target) GetClientRect(target, &client);
  int dpi = WindowDpi(target);
  return {ScaleToLayout(client.right, dpi), ScaleToLayout(client.bottom, dpi)};
}

void SetControlSize(HWND dialog, int32_t controlId, int width, int height) {
  HWND target = TargetWindow(dialog, controlId);
  if (!target) return;
  int dpi = WindowDpi(target);
  SIZE size = target == dialog ? OuterSizeAtDpi(target, width, height, dpi)
                               : ControlSizeAtDpi(FindRecord(target), width, height, dpi);
  SetWindowPos(target, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

bool GetLayoutWindowRect(HWND window, RECT& rect) {
  RECT frame = {0, 0, 0, 0};
  if (!GetWindowRect(window, &frame)) return false;
  int dpi = WindowDpi(window);
  rect = {ScaleToLayout(frame.left, dpi), ScaleToLayout(frame.top, dpi),
          ScaleToLayout(frame.right, dpi), ScaleToLayout(frame.bottom, dpi)};
  return true;
}

void MoveDialog(HWND dialog, int x, int y, int width, int height) {
  int dpi = WindowDpi(dialog);
  SIZE size = OuterSizeAtDpi(dialog, width, height, dpi);
  MoveWindow(dialog, ScaleToDevice(x, dpi), ScaleToDevice(y, dpi), size.cx, size.cy, TRUE);
}
