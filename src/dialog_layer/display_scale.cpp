// The platform's DPI functions, loaded where the system has them, and the DPI of the layer's
// windows.
#include "dialog_layer/display_scale.h"

#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/layout_scale.h"
#include "dialog_layer/window_records.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SetDialogDpiChangeBehaviorFunction = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS,
                                                         DIALOG_DPI_CHANGE_BEHAVIORS);

// A function of user32 that older systems lack; nullptr there.
template <typename Function>
Function UserFunction(const char* name) {
  FARPROC address = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

int LogicalPixelsOf(HWND window) {
  HDC context = GetDC(window);
  int dpi = context ? GetDeviceCaps(context, LOGPIXELSY) : 0;
  if (context) ReleaseDC(window, context);
  return dpi > 0 ? dpi : kLayoutDpi;
}

}  // namespace

int PlatformDpi(HWND window) {
  static const auto getDpiForWindow = UserFunction<GetDpiForWindowFunction>("GetDpiForWindow");
  int dpi = getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
  return dpi > 0 ? dpi : LogicalPixelsOf(window);
}

int SystemDpi() {
  static const auto getDpiForSystem = UserFunction<GetDpiForSystemFunction>("GetDpiForSystem");
  int dpi = getDpiForSystem ? static_cast<int>(getDpiForSystem()) : 0;
  return dpi > 0 ? dpi : LogicalPixelsOf(nullptr);
}

int WindowDpi(HWND window) {
  const WindowRecord* record = FindRecord(window);
  if (record && record->kind != kDialogKind) record = FindDialogRecord(record->parent);
  if (record) return record->dpi;
  return window ? PlatformDpi(window) : SystemDpi();
}

int ScaleForWindow(HWND window, int layoutPixels) {
  return ScaleToDevice(layoutPixels, WindowDpi(window));
}

SIZE DeviceFrameSize(HWND window) {
  RECT outer = {0, 0, 0, 0};
  RECT client = {0, 0, 0, 0};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  return {(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
}

SIZE LayoutFrameSize(HWND window, int dpi) {
  static const auto adjustForDpi =
      UserFunction<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  SIZE device = DeviceFrameSize(window);
  if (dpi == kLayoutDpi) return device;
  RECT frame = {0, 0, 0, 0};
  DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  DWORD extendedStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  if (adjustForDpi && adjustForDpi(&frame, style, FALSE, extendedStyle, kLayoutDpi)) {
    return {frame.right - frame.left, frame.bottom - frame.top};
  }
  return {ScaleToLayout(device.cx, dpi), ScaleToLayout(device.cy, dpi)};
}

void KeepDpiChangesToLayer(HWND dialog) {
  static const auto setBehavior =
      UserFunction<SetDialogDpiChangeBehaviorFunction>("SetDialogDpiChangeBehavior");
  if (setBehavior) setBehavior(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}
