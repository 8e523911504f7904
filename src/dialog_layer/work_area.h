// The desktop work area inside the layer: the area not covered by task bars, and centring on it.
#pragma once

#include <windows.h>

// The work area in device pixels (SPI_GETWORKAREA).
RECT WorkAreaRect();
// The top-left corner at which a window of that size, in device pixels, is centred on the work
// area: half of the free room on each side, rounded down, and 0 where the window does not fit.
POINT CentredOnWorkArea(SIZE windowSize);
