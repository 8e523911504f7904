// Finding a list control by its dialog and id, for the layer's list operations.
#pragma once

#include <windows.h>

// The list control with that id in that dialog, or null. Remembers the list it found last.
HWND ListWindow(HWND dialog, int listId);
