// The Western code page (Windows-1252) in the form the list file forms take a code page, for
// builds that have no platform conversion: native tools and tests, and fuzzing. The platform's
// own conversion (the Windows program's) is in list/code_page_text.h. Portable.
#pragma once

#include "list/list_file_form.h"

// Every byte has a character, so every 8-bit text reads exactly; characters beyond the code
// page do not fit and are written as "?".
const CodePageConversion& WesternCodePage();
