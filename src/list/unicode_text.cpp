#include "list/unicode_text.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The range the second byte of a sequence must lie in, by its first byte; the later bytes
// always lie in 80..BF. The narrower ranges rule out overlong forms (E0, F0), surrogates (ED)
// and characters above U+10FFFF (F4).
struct LeadRule {
  size_t length;
  uint8_t secondLow;
  uint8_t secondHigh;
};

LeadRule RuleOf(uint8_t lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};  // a continuation byte, C0, C1 or F5 and above: never a first byte
}

// Bytes from `at` on that are all below 0x80, eight at a time where the text allows.
size_t AsciiRun(std::string_view bytes, size_t at) {
  constexpr uint64_t kHighBits = 0x8080808080808080u;
  size_t start = at;
  while (at + 8 <= bytes.size()) {
    uint64_t word;
    std::memcpy(&word, bytes.data() + at, 8);
    if (word & kHighBits) break;
    at += 8;
  }
  while (at < bytes.size() && static_cast<uint8_t>(bytes[at]) < 0x80) ++at;
  return at - start;
}

void AppendUnit(char16_t unit, ByteOrder order, std::string& bytes) {
  char high = static_cast<char>(unit >> 8);
  char low = static_cast<char>(unit & 0xFF);
  bytes.push_back(order == ByteOrder::kBigEndian ? high : low);
  bytes.push_back(order == ByteOrder::kBigEndian ? low : high);
}

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

Utf8Sequence ReadUtf8Sequence(std::string_view bytes, size_t at) {
  const auto byteAt = [&bytes](size_t i) { return static_cast<uint8_t>(bytes[i]); };
  Utf8Sequence sequence;
  uint8_t lead = byteAt(at);
  if (lead < 0x80) return {lead, 1, true};
  LeadRule rule = RuleOf(lead);
  if (rule.length == 0) return sequence;
  char32_t character = lead & (0xFF >> (rule.length + 1));
  for (size_t i = 1; i < rule.length; ++i) {
    if (at + i >= bytes.size()) return sequence;
    uint8_t next = byteAt(at + i);
    uint8_t low = i == 1 ? rule.secondLow : 0x80;
    uint8_t high = i == 1 ? rule.secondHigh : 0xBF;
    if (next < low || next > high) return sequence;
    character = (character << 6) | (next & 0x3F);
    sequence.length = i + 1;
  }
  return {character, rule.length, true};
}

void AppendUtf8(char32_t character, std::string& text) {
  if (character < 0x80) {
    text.push_back(static_cast<char>(character));
  } else if (character < 0x800) {
    text.push_back(static_cast<char>(0xC0 | (character >> 6)));
    text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
  } else if (character < 0x10000) {
    text.push_back(static_cast<char>(0xE0 | (character >> 12)));
    text.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xF0 | (character >> 18)));
    text.push_back(static_cast<char>(0x80 | ((character >> 12) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
  }
}

bool IsAscii(std::string_view bytes) {
  return AsciiRun(bytes, 0) == bytes.size();
}

bool IsValidUtf8(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size();) {
    at += AsciiRun(bytes, at);
    if (at == bytes.size()) break;
    Utf8Sequence sequence = ReadUtf8Sequence(bytes, at);
    if (!sequence.valid) return false;
    at += sequence.length;
  }
  return true;
}

bool MendUtf8(std::string_view bytes, std::string& text) {
  text.clear();
  text.reserve(bytes.size());
  bool valid = true;
  for (size_t at = 0; at < bytes.size();) {
    size_t run = AsciiRun(bytes, at);
    text.append(bytes.substr(at, run));
    at += run;
    if (at == bytes.size()) break;
    Utf8Sequence sequence = ReadUtf8Sequence(bytes, at);
    if (sequence.valid) {
      text.append(bytes.substr(at, sequence.length));
    } else {
      AppendUtf8(kReplacement, text);
      valid = false;
    }
    at += sequence.length;
  }
  return valid;
}

size_t Utf16Length(std::string_view text) {
  size_t units = 0;
  for (char c : text) {
    uint8_t byte = static_cast<uint8_t>(c);
    if ((byte & 0xC0) != 0x80) ++units;  // every character starts one unit
    if (byte >= 0xF0) ++units;           // and one above U+FFFF takes a second
  }
  return units;
}

bool AppendUtf8OfUtf16Bytes(std::string_view bytes, ByteOrder order, char32_t stopUnit,
                            std::string& text) {
  const size_t unitCount = bytes.size() / 2;
  const auto unitAt = [&](size_t i) {
    unsigned first = static_cast<uint8_t>(bytes[2 * i]);
    unsigned second = static_cast<uint8_t>(bytes[2 * i + 1]);
    return static_cast<char16_t>(order == ByteOrder::kBigEndian ? (first << 8) | second
                                                                : (second << 8) | first);
  };
  text.reserve(text.size() + unitCount);
  bool exact = true;
  size_t i = 0;
  for (; i < unitCount; ++i) {
    char16_t unit = unitAt(i);
    if (unit == stopUnit) return exact;
    if (IsHighSurrogate(unit) && i + 1 < unitCount && IsLowSurrogate(unitAt(i + 1))) {
      char16_t low = unitAt(++i);
      AppendUtf8(0x10000 + ((char32_t{unit} - 0xD800) << 10) + (low - 0xDC00), text);
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(kReplacement, text);
      exact = false;
    } else {
      AppendUtf8(unit, text);
    }
  }
  return exact && bytes.size() % 2 == 0;
}

void AppendUtf16BytesOfUtf8(std::string_view text, ByteOrder order, std::string& bytes) {
  bytes.reserve(bytes.size() + 2 * text.size());
  for (size_t at = 0; at < text.size();) {
    Utf8Sequence sequence = ReadUtf8Sequence(text, at);
    at += sequence.length;
    char32_t character = sequence.character;
    if (character < 0x10000) {
      AppendUnit(static_cast<char16_t>(character), order, bytes);
      continue;
    }
    character -= 0x10000;
    AppendUnit(static_cast<char16_t>(0xD800 + (character >> 10)), order, bytes);
    AppendUnit(static_cast<char16_t>(0xDC00 + (character & 0x3FF)), order, bytes);
  }
}
