// Per-thread settings of the dialog layer, kept in thread-local storage.
#pragma once

#include <windows.h>

// The code page of the program's text for this thread: UTF-8 (CP_UTF8) unless set otherwise.
UINT ConversionCodePage();
// The number of the dialog font for this thread (1 unless set otherwise).
int DialogFontNumber();
