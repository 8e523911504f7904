// UTF-8, the program's own text, and UTF-16, as list files and the platform hold it: checking,
// mending and converting. Portable: no platform calls.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// True when every byte is below 0x80: such text reads alike as UTF-8 and in any code page the
// program meets.
bool IsAscii(std::string_view bytes);

// True when the bytes are well-formed UTF-8: no sequence cut short, no overlong form, no
// surrogate (U+D800 to U+DFFF) and nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The bytes as valid UTF-8: each ill-formed part (the longest start of a sequence that could
// have been valid, or one byte) becomes U+FFFD. False when there was such a part.
bool MendUtf8(std::string_view bytes, std::string& text);

// The number of UTF-16 code units that valid UTF-8 text takes: the length of a path or a text
// as the platform counts it.
size_t Utf16Length(std::string_view text);

// The UTF-8 character that begins at `at` (below the size of bytes): its scalar value and its
// length when well-formed; otherwise valid is false, the character U+FFFD, and length covers the
// ill-formed part (the longest start of a sequence that could have been valid, or one byte).
struct Utf8Sequence {
  char32_t character = 0xFFFD;
  size_t length = 1;
  bool valid = false;
};
Utf8Sequence ReadUtf8Sequence(std::string_view bytes, size_t at);

// Appends the character (a Unicode scalar value) as UTF-8.
void AppendUtf8(char32_t character, std::string& text);

enum class ByteOrder { kLittleEndian, kBigEndian };

// Appends the UTF-8 text of UTF-16 code units held in bytes, two bytes each in the given order,
// up to the first unit that equals stopUnit (not included; kNoStopUnit: none) or the end. A
// surrogate without its partner becomes U+FFFD, and an odd last byte is part of no unit. False when
// either was met.
constexpr char32_t kNoStopUnit = 0x110000;
bool AppendUtf8OfUtf16Bytes(std::string_view bytes, ByteOrder order, char32_t stopUnit,
                            std::string& text);

// Appends the UTF-16 code units of valid UTF-8 text as bytes in the given order.
void AppendUtf16BytesOfUtf8(std::string_view text, ByteOrder order, std::string& bytes);
