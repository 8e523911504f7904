#include "list/western_code_page.h"

#include <cstdint>

#include "list/unicode_text.h"

namespace {

// The characters of bytes 0x80 to 0x9F; the rest of the code page is Latin-1. The five bytes
// the code page leaves free stand for the control characters of the same number, as the
// platform's conversion has them.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t CharacterOf(uint8_t byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t{byte};
}

// The byte of a character, or none (-1).
int ByteOf(char16_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return character;
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == character) return 0x80 + i;
  }
  return -1;
}

bool ToText(std::string_view bytes, std::string& text) {
  std::string units;
  for (char byte : bytes) {
    char16_t character = CharacterOf(static_cast<uint8_t>(byte));
    units.push_back(static_cast<char>(character & 0xFF));
    units.push_back(static_cast<char>(character >> 8));
  }
  text.clear();
  return AppendUtf8OfUtf16Bytes(units, ByteOrder::kLittleEndian, kNoStopUnit, text);
}

bool ToBytes(std::string_view text, std::string& bytes) {
  std::string units;
  AppendUtf16BytesOfUtf8(text, ByteOrder::kLittleEndian, units);
  bytes.clear();
  bool fits = true;
  for (size_t i = 0; i + 1 < units.size(); i += 2) {
    char16_t unit = static_cast<char16_t>(static_cast<uint8_t>(units[i]) |
                                          (static_cast<uint8_t>(units[i + 1]) << 8));
    int byte = ByteOf(unit);
    fits = fits && byte >= 0;
    bytes.push_back(static_cast<char>(byte >= 0 ? byte : '?'));
  }
  return fits;
}

}  // namespace

const CodePageConversion& WesternCodePage() {
  static const CodePageConversion conversion = {ToText, ToBytes};
  return conversion;
}
