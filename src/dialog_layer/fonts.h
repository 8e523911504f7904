// The layer's numbered font descriptions, and the dialog font at each DPI. Font 1 is the dialog
// font of every dialog.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct FontDescription {
  int pointSize;
  int weight;  // 0 = the platform's default weight
  bool italic;
  uint8_t charSet;
  uint8_t pitchAndFamily;
  const wchar_t* faceName;
};

// The description of the font with that number; unknown numbers give font 1.
const FontDescription& LayerFont(int number);

// The dialog font at the DPI: the font the platform made from a dialog's template when it made
// it at that DPI, else a font of the same kind at the DPI, made once and kept until
// ReleaseLayerFonts. nullptr when the dialog has no template font.
HFONT DialogFontAtDpi(HFONT templateFont, int dpi);
void ReleaseLayerFonts();
