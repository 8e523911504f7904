// The display scale inside the layer: the platform's DPI of a window, its frame at 100 %, and
// what a dialog does when the platform moves it to another DPI.
#pragma once

#include <windows.h>

#include <vector>

// The platform's DPI of the window: GetDpiForWindow where the system has it (Windows 10 1607
// and later, Wine), else the LOGPIXELSY of the window's device context (Windows 7 and 8).
int PlatformDpi(HWND window);
// The system's DPI: GetDpiForSystem where the system has it, else the screen's LOGPIXELSY.
int SystemDpi();

// The window's frame and title bar: window size less client size, in device pixels.
SIZE DeviceFrameSize(HWND window);
// The same frame as the window has it at 96 DPI, for a window now at dpi:
// AdjustWindowRectExForDpi where the system has it, else the device frame scaled back.
SIZE LayoutFrameSize(HWND window, int dpi);

// Leaves a dialog's DPI changes to the layer: the dialog manager of Windows 10 1703 and later
// would otherwise scale its font and move its controls itself as well.
void KeepDpiChangesToLayer(HWND dialog);
// WM_DPICHANGED: the dialog's font made at the new DPI, its controls laid out at that DPI, and
// the dialog moved and sized to the rectangle the platform suggests.
void ApplyDpiChange(HWND dialog, int dpi, const RECT& suggested);

// Sends the parts of a status bar, right edges in layout pixels, at the dpi (SB_SETPARTS).
void SendStatusParts(HWND statusBar, const std::vector<int>& rightEdges, int dpi);
