// The one dialog procedure of every dialog of the layer.
#pragma once

#include <windows.h>

INT_PTR CALLBACK LayerDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
