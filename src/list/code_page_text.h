// The code page of 8-bit list files on this system, and the conversion of their text to and
// from the program's UTF-8 (Win32 side).
#pragma once

#include <cstdint>

#include "list/list_file_form.h"

// The code page 8-bit list files are in: the system's ANSI code page, or its legacy one when
// that is UTF-8. Found once.
uint32_t SystemListCodePage();

// Converts with SystemListCodePage. A text reads exactly when its bytes come back the same, and
// fits when its characters do.
const CodePageConversion& SystemCodePage();
