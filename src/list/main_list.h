// The main list that list loading fills: control 101 of the main dialog, and the device
// context on it that text measurement uses. Program-wide state, set when the main dialog
// initialises and kept for the whole run.
#pragma once

#include <windows.h>

constexpr int kMainListId = 101;
// The style the main dialog makes its list with: sorted, with both scroll bars, the vertical
// one shown even while the list is empty.
constexpr DWORD kMainListStyle =
    WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_SORT | LBS_DISABLENOSCROLL;
static_assert(kMainListStyle == 0x00311002, "the main list's style");

struct MainListHandles {
  HWND dialog = nullptr;        // the main dialog
  HWND list = nullptr;          // its main list
  HDC deviceContext = nullptr;  // GetDC of the main list, never released
};

// Written only by these two: the main dialog attaches its list when it initialises, and the
// program's end (or a test's) lets it go.
extern MainListHandles gMainList;

// The main list becomes control kMainListId of the dialog, with a device context of its own
// (GetDC) that is kept for the whole run.
void AttachMainList(HWND dialog);
// Forgets the main list (the device context is the window's, released with it).
void DetachMainList();
