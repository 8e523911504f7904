// The character encodings of the web, as the Encoding Standard lists them: their labels (what
// a document may declare, "charset=Shift_JIS"), their names, and the tables of the single-byte
// ones (generated into web_encoding_table.cpp by tools/generate/html_tables.py). Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct EncodingLabel {
  const char* label;  // lower case, as the standard lists it
  int32_t encoding;   // its number in kEncodingNames
};

struct SingleByteTable {
  int32_t encoding;          // its number in kEncodingNames
  char16_t characters[128];  // the characters of the bytes 0x80 to 0xFF; 0: no character
};

extern const char* const kEncodingNames[];
extern const size_t kEncodingCount;
extern const EncodingLabel kEncodingLabels[];
extern const size_t kEncodingLabelCount;
extern const SingleByteTable kSingleByteTables[];
extern const size_t kSingleByteTableCount;

// The standard's name of the encoding a label names ("latin1" → "windows-1252"), the label
// taken without the ASCII blanks around it and in any letter case; empty when it names none.
std::string_view EncodingOfLabel(std::string_view label);

// The table of a single-byte encoding, by its name; null for any other encoding.
const SingleByteTable* SingleByteTableOf(std::string_view encodingName);
