// Shared helpers of the dialog-layer tests: making layer dialogs and reading window geometry.
#pragma once

#include "dialog_layer/dialog_layer.h"

// Destroys the window at the end of a test unless the test has ended it already.
struct WindowGuard {
  HWND window;
  explicit WindowGuard(HWND w) : window(w) {}
  ~WindowGuard() {
    if (IsWindow(window)) DestroyWindow(window);
  }
  WindowGuard(const WindowGuard&) = delete;
  WindowGuard& operator=(const WindowGuard&) = delete;
};

// The styles the program's main dialog and main list are made with.
constexpr DWORD kMainDialogStyle = WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME;
constexpr DWORD kMainListStyle =
    WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_SORT | LBS_DISABLENOSCROLL;

// A hidden pixel-mode dialog of the layer captioned "Test".
HWND MakeDialog(HWND owner, int x, int y, int width, int height, DWORD style = 0);

// A visible plain top-level window (not a layer dialog) at (x, y), size 400 x 300; its window
// procedure counts the WM_ENTERIDLE messages it gets in gOwnerIdleCount and calls
// gOwnerIdleAction (when set) on each of them.
HWND MakePlainWindow(int x, int y);
extern int gOwnerIdleCount;
extern void (*gOwnerIdleAction)(HWND owner);

RECT WindowRectOf(HWND window);
SIZE ClientSizeOf(HWND window);
RECT WorkArea();
LONG StyleOf(HWND window);
LONG ExtendedStyleOf(HWND window);
