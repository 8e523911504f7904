#include "bookmarks/html_text.h"

#include <cstdint>

#include "bookmarks/html_entities.h"
#include "list/unicode_text.h"
#include "list/western_code_page.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLastCharacter = 0x10FFFF;

bool IsDigit(char c, bool hex) {
  if (c >= '0' && c <= '9') return true;
  return hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

bool IsNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

uint32_t DigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0');
  return static_cast<uint32_t>((c | 0x20) - 'a' + 10);
}

// Appends one character as UTF-8, through its UTF-16 form, which the core converts.
void AppendCharacter(char32_t character, std::string& text) {
  std::string units;
  auto appendUnit = [&units](char32_t unit) {
    units.push_back(static_cast<char>(unit & 0xFF));
    units.push_back(static_cast<char>(unit >> 8));
  };
  if (character < 0x10000) {
    appendUnit(character);
  } else {
    appendUnit(0xD800 + ((character - 0x10000) >> 10));
    appendUnit(0xDC00 + ((character - 0x10000) & 0x3FF));
  }
  AppendUtf8OfUtf16Bytes(units, ByteOrder::kLittleEndian, kNoStopUnit, text);
}

// The character a numeric reference stands for, as browsers read it.
void AppendNumbered(char32_t number, std::string& text) {
  bool surrogate = number >= 0xD800 && number <= 0xDFFF;
  if (number == 0 || surrogate || number > kLastCharacter) {
    AppendCharacter(kReplacement, text);
  } else if (number >= 0x80 && number <= 0x9F) {
    std::string converted;
    WesternCodePage().toText(std::string(1, static_cast<char>(number)), converted);
    text.append(converted);
  } else {
    AppendCharacter(number, text);
  }
}

// Decodes the numeric reference at the start of html ("&#..."); returns the bytes it takes,
// 0 when it is none.
size_t AppendNumericReference(std::string_view html, std::string& text) {
  size_t at = 2;
  bool hex = at < html.size() && (html[at] == 'x' || html[at] == 'X');
  if (hex) ++at;
  size_t digitsStart = at;
  uint32_t number = 0;
  for (; at < html.size() && IsDigit(html[at], hex); ++at) {
    uint32_t next = number * (hex ? 16 : 10) + DigitValue(html[at]);
    number = number > kLastCharacter ? number : next;  // stays beyond once beyond
  }
  if (at == digitsStart) return 0;
  if (at < html.size() && html[at] == ';') ++at;
  AppendNumbered(number, text);
  return at;
}

// Decodes the named reference at the start of html ("&name;"); returns the bytes it takes, 0
// when it is none of the known ones.
size_t AppendNamedReference(std::string_view html, std::string& text) {
  size_t end = 1;
  while (end < html.size() && IsNameCharacter(html[end])) ++end;
  if (end == 1 || end >= html.size() || html[end] != ';') return 0;
  char32_t character = NamedCharacter(html.substr(1, end - 1));
  if (character == 0) return 0;
  AppendCharacter(character, text);
  return end + 1;
}

size_t AppendReference(std::string_view html, std::string& text) {
  if (html.size() > 1 && html[1] == '#') return AppendNumericReference(html, text);
  return AppendNamedReference(html, text);
}

}  // namespace

void AppendHtmlDecoded(std::string_view html, std::string& text) {
  size_t at = 0;
  while (at < html.size()) {
    size_t ampersand = html.find('&', at);
    if (ampersand == std::string_view::npos) ampersand = html.size();
    text.append(html.substr(at, ampersand - at));
    if (ampersand == html.size()) break;
    size_t used = AppendReference(html.substr(ampersand), text);
    if (used == 0) text.push_back('&');
    at = ampersand + (used == 0 ? 1 : used);
  }
}

void AppendHtmlEscaped(std::string_view text, std::string& html) {
  for (char c : text) {
    switch (c) {
      case '&':
        html.append("&amp;");
        break;
      case '<':
        html.append("&lt;");
        break;
      case '>':
        html.append("&gt;");
        break;
      case '"':
        html.append("&quot;");
        break;
      default:
        html.push_back(c);
    }
  }
}
