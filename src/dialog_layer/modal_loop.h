// The polling message loop that runs while a modal dialog is shown.
#pragma once

#include <windows.h>

// Runs until the dialog no longer exists. owner gets WM_ENTERIDLE on every idle pass unless
// sendIdle is false.
void RunModalLoop(HWND dialog, HWND owner, bool sendIdle);
