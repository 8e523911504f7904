// The in-memory dialog template (DLGTEMPLATEEX) from which every dialog is created.
#pragma once

#include "dialog_layer/fonts.h"

#include <windows.h>

#include <vector>

// A template with no items, the default class, no menu, the title " " and the font given.
// The words are DWORD-aligned as CreateDialogIndirectParamW needs.
std::vector<WORD> BuildDialogTemplate(DWORD style, DWORD extendedStyle, int x, int y, int width,
                                      int height, const FontDescription& font);
