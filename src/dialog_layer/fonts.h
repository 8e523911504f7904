// The layer's numbered font descriptions. Font 1 is the dialog font of every dialog.
#pragma once

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
