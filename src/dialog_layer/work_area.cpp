// The desktop work area: its size for the program, centring on it, and keeping windows inside
// it.
#include "dialog_layer/work_area.h"

#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/display_scale.h"
#include "dialog_layer/layout_scale.h"

RECT WorkAreaRect() {
  RECT area = {0, 0, 0, 0};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

POINT CentredOnWorkArea(SIZE windowSize) {
  RECT area = WorkAreaRect();
  return {CentredStart(area.left, area.right, windowSize.cx),
          CentredStart(area.top, area.bottom, windowSize.cy)};
}

SIZE WorkAreaSize() {
  RECT area = WorkAreaRect();
  int dpi = SystemDpi();
  return {ScaleToLayout(area.right - area.left, dpi), ScaleToLayout(area.bottom - area.top, dpi)};
}

// The work area of the monitor that holds most of the window, so that a window on a second
// monitor stays there.
void KeepInWorkArea(HWND window) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  RECT frame = {0, 0, 0, 0};
  if (!GetWindowRect(window, &frame)) return;
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& area = monitor.rcWork;
  int left = StartKeptInside(frame.left, frame.right - frame.left, area.left, area.right);
  int top = StartKeptInside(frame.top, frame.bottom - frame.top, area.top, area.bottom);
  if (left == frame.left && top == frame.top) return;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
