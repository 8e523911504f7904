#include "bookmarks/html_text.h"

#include <cstdint>
#include <cstring>

#include "bookmarks/html_entities.h"
#include "bookmarks/web_encodings.h"
#include "list/list_format.h"
#include "list/unicode_text.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLastCharacter = 0x10FFFF;

bool IsDigit(char c, bool hex) {
  if (c >= '0' && c <= '9') return true;
  return hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

bool IsAlphanumeric(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

uint32_t DigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0');
  return static_cast<uint32_t>((c | 0x20) - 'a' + 10);
}

// The character a numeric reference stands for, as HTML's tokenizer reads it: the C1 numbers
// are the Windows-1252 characters of those bytes (the standard's index maps the five bytes
// that have none to themselves).
char32_t NumberedCharacter(uint32_t number) {
  bool surrogate = number >= 0xD800 && number <= 0xDFFF;
  if (number == 0 || surrogate || number > kLastCharacter) return kReplacement;
  if (number >= 0x80 && number <= 0x9F) {
    static const SingleByteTable* const western = SingleByteTableOf("windows-1252");
    return western->characters[number - 0x80];
  }
  return number;
}

// "&#..." at html[at]: returns where it ends, or at when it holds no digit.
size_t AppendNumericReference(std::string_view html, size_t at, std::string& text) {
  size_t next = at + 2;
  bool hex = next < html.size() && (html[next] == 'x' || html[next] == 'X');
  if (hex) ++next;
  size_t digitsStart = next;
  uint32_t number = 0;
  for (; next < html.size() && IsDigit(html[next], hex); ++next) {
    uint32_t value = number * (hex ? 16 : 10) + DigitValue(html[next]);
    number = number > kLastCharacter ? number : value;  // stays beyond once beyond
  }
  if (next == digitsStart) return at;
  if (next < html.size() && html[next] == ';') ++next;
  AppendUtf8(NumberedCharacter(number), text);
  return next;
}

// "&name" at html[at]: returns where it ends, or at when no name matches.
size_t AppendNamedReference(std::string_view html, size_t at, bool inAttribute, std::string& text) {
  const NamedReference* reference = LongestNamedReference(html.substr(at + 1));
  if (!reference) return at;
  size_t nameLength = std::strlen(reference->name);
  size_t end = at + 1 + nameLength;
  bool legacy = reference->name[nameLength - 1] != ';';
  if (inAttribute && legacy && end < html.size() &&
      (html[end] == '=' || IsAlphanumeric(html[end]))) {
    text.append(html.substr(at, end - at));  // "&copy=" in a query string
    return end;
  }
  AppendUtf8(reference->first, text);
  if (reference->second) AppendUtf8(reference->second, text);
  return end;
}

}  // namespace

size_t AppendCharacterReference(std::string_view html, size_t at, bool inAttribute,
                                std::string& text) {
  size_t end = at;
  if (at + 1 < html.size() && html[at + 1] == '#') {
    end = AppendNumericReference(html, at, text);
  } else if (at + 1 < html.size() && IsAlphanumeric(html[at + 1])) {
    end = AppendNamedReference(html, at, inAttribute, text);
  }
  if (end != at) return end;
  text.push_back('&');
  return at + 1;
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

bool IsHtmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool StartsWithLower(std::string_view text, size_t at, std::string_view lowerWord) {
  return at <= text.size() && StartsWithIgnoringCase(text.substr(at), lowerWord);
}
