// Folding text for finding websites: letter case and accents are ignored in any script.
// Portable: no platform calls.
#pragma once

#include <string>
#include <string_view>

// Appends the folded form of UTF-8 text: every character case-folded and decomposed, its
// combining marks dropped ("Café Müller" → "cafe muller", "ΑΘΉΝΑ" → "αθηνα", "Straße" →
// "strasse"), every white space a blank. Bytes that are no UTF-8 are kept as they are.
void AppendFolded(std::string_view text, std::string& folded);

std::string FoldedText(std::string_view text);
