// Normalisation of edited list text: cut into pieces at CR LF, fields trimmed, blank lines and
// duplicate URLs dropped, rebuilt in canonical form. Portable: no platform calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct NormalizedText {
  std::string text;                 // canonical lines, each ended by CR LF
  int32_t duplicateTally = 0;       // duplicate pairs found (k occurrences count k(k-1)/2)
  int32_t firstDuplicatePiece = 0;  // 1-based piece emptied by the first pair; 0 when none
};

// Linear-time normalisation (hashing). Gives exactly the result of the pair-wise pass.
NormalizedText NormalizeText(std::string_view listText);
