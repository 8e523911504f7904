// Loading a list file into the main dialog, with what follows a load that found nothing.
#pragma once

#include <windows.h>

// Loads the list file at the website list's path. When the load finds no entry, tells the
// user "File has no content" and opens the list editor with an empty text, so that a list can
// be started; a file that exists but could not be read (the load has already said so) gets
// neither, since editing it would replace content never seen. True when entries were loaded.
bool LoadListAndReport(HWND dialog);
