// Per-thread settings of the dialog layer, kept in thread-local storage.
#pragma once

#include <windows.h>

// The code page of text conversion for this thread (CP_ACP unless set otherwise).
UINT ConversionCodePage();
// The number of the dialog font for this thread (1 unless set otherwise).
int DialogFontNumber();
