#include "bookmarks/export_encoding.h"

#include <cstdint>

#include "bookmarks/html_text.h"
#include "bookmarks/web_encodings.h"
#include "list/list_format.h"
#include "list/unicode_text.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// The part of a file in which UTF-16 without a mark is looked for.
constexpr size_t kUtf16SniffBytes = 1024;

void AppendReplacement(std::string& text, std::vector<size_t>& replacedAt) {
  replacedAt.push_back(text.size());
  AppendUtf8(kReplacement, text);
}

bool StartsWith(std::string_view bytes, std::string_view start) {
  return bytes.substr(0, start.size()) == start;
}

// UTF-16 without a mark: three in four of the first units are ASCII characters with their
// zero byte on the same side.
std::string_view SniffedUtf16(std::string_view bytes) {
  size_t units = std::min(bytes.size(), kUtf16SniffBytes) / 2;
  if (units < 2) return {};
  size_t littleEndian = 0, bigEndian = 0;
  for (size_t i = 0; i < units; ++i) {
    char first = bytes[2 * i], second = bytes[2 * i + 1];
    if (first != 0 && second == 0 && static_cast<unsigned char>(first) < 0x80) ++littleEndian;
    if (first == 0 && second != 0 && static_cast<unsigned char>(second) < 0x80) ++bigEndian;
  }
  if (littleEndian * 4 >= units * 3) return "UTF-16LE";
  if (bigEndian * 4 >= units * 3) return "UTF-16BE";
  return {};
}

void AppendDecodedUtf16(std::string_view bytes, bool bigEndian, std::string& text,
                        std::vector<size_t>& replacedAt) {
  auto unitAt = [&](size_t i) -> char32_t {
    unsigned char a = static_cast<unsigned char>(bytes[i]),
                  b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
  };
  size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    char32_t unit = unitAt(i);
    bool high = unit >= 0xD800 && unit <= 0xDBFF;
    bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (high && i + 3 < bytes.size()) {
      char32_t next = unitAt(i + 2);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00), text);
        i += 2;
        continue;
      }
    }
    if (high || low) {
      AppendReplacement(text, replacedAt);
    } else {
      AppendUtf8(unit, text);
    }
  }
  if (i < bytes.size()) AppendReplacement(text, replacedAt);  // an odd last byte
}

void AppendDecodedSingleByte(std::string_view bytes, const SingleByteTable& table,
                             std::string& text, std::vector<size_t>& replacedAt) {
  text.reserve(text.size() + bytes.size());
  for (char byte : bytes) {
    unsigned char value = static_cast<unsigned char>(byte);
    if (value < 0x80) {
      text.push_back(byte);
    } else if (char16_t character = table.characters[value - 0x80]) {
      AppendUtf8(character, text);
    } else {
      AppendReplacement(text, replacedAt);
    }
  }
}

// The length of the UTF-8 sequence that begins at bytes[at] and is well formed, 0 when it is
// none; the maximal part that could have begun one goes to partLength.
size_t Utf8SequenceAt(std::string_view bytes, size_t at, size_t& partLength) {
  unsigned char lead = static_cast<unsigned char>(bytes[at]);
  size_t needed = 0;
  unsigned char lower = 0x80, upper = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    needed = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    needed = 2;
    if (lead == 0xE0) lower = 0xA0;
    if (lead == 0xED) upper = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    needed = 3;
    if (lead == 0xF0) lower = 0x90;
    if (lead == 0xF4) upper = 0x8F;
  }
  partLength = 1;
  if (needed == 0) return 0;
  for (size_t k = 1; k <= needed; ++k) {
    if (at + k >= bytes.size()) return 0;
    unsigned char next = static_cast<unsigned char>(bytes[at + k]);
    if (next < lower || next > upper) return 0;
    lower = 0x80;
    upper = 0xBF;
    partLength = k + 1;
  }
  return needed + 1;
}

// The prescan's steps over the bytes, as the HTML standard gives them.

// "Get an attribute": false when there is none (a ">" or the end of the bytes).
bool PrescanAttribute(std::string_view bytes, size_t& at, std::string& name, std::string& value) {
  name.clear();
  value.clear();
  while (at < bytes.size() && (IsHtmlSpace(bytes[at]) || bytes[at] == '/')) ++at;
  if (at >= bytes.size() || bytes[at] == '>') return false;
  for (;; ++at) {
    if (at >= bytes.size()) return false;
    char c = bytes[at];
    if (c == '=' && !name.empty()) break;
    if (IsHtmlSpace(c)) {
      while (at < bytes.size() && IsHtmlSpace(bytes[at])) ++at;
      if (at >= bytes.size() || bytes[at] != '=') return at < bytes.size();
      break;
    }
    if (c == '/' || c == '>') return true;
    name.push_back(AsciiLower(c));
  }
  ++at;  // past "="
  while (at < bytes.size() && IsHtmlSpace(bytes[at])) ++at;
  if (at >= bytes.size()) return false;
  char quote = bytes[at];
  if (quote == '"' || quote == '\'') {
    for (++at; at < bytes.size(); ++at) {
      if (bytes[at] == quote) {
        ++at;
        return true;
      }
      value.push_back(AsciiLower(bytes[at]));
    }
    return false;
  }
  if (quote == '>') return true;
  for (; at < bytes.size(); ++at) {
    if (IsHtmlSpace(bytes[at]) || bytes[at] == '>') return true;
    value.push_back(AsciiLower(bytes[at]));
  }
  return false;
}

// "Extract a character encoding from a meta element": the label after "charset=" in content.
std::string_view EncodingOfMetaContent(std::string_view content) {
  for (size_t at = 0;;) {
    at = content.find("charset", at);
    if (at == std::string_view::npos) return {};
    at += 7;
    while (at < content.size() && IsHtmlSpace(content[at])) ++at;
    if (at >= content.size() || content[at] != '=') continue;
    ++at;
    while (at < content.size() && IsHtmlSpace(content[at])) ++at;
    if (at >= content.size()) return {};
    char quote = content[at];
    if (quote == '"' || quote == '\'') {
      size_t close = content.find(quote, at + 1);
      if (close == std::string_view::npos) return {};
      return EncodingOfLabel(content.substr(at + 1, close - at - 1));
    }
    size_t end = content.find_first_of("\t\n\f\r ;", at);
    if (end == std::string_view::npos) end = content.size();
    return EncodingOfLabel(content.substr(at, end - at));
  }
}

// The encoding a <meta> whose attributes begin at `at` declares; empty when none.
std::string_view EncodingOfMeta(std::string_view bytes, size_t& at) {
  std::vector<std::string> seen;
  bool gotPragma = false;
  int needPragma = -1;  // -1: not known, 0: no, 1: yes
  std::string_view charset;
  std::string name, value;
  while (PrescanAttribute(bytes, at, name, value)) {
    bool repeated = false;
    for (const std::string& earlier : seen) repeated = repeated || earlier == name;
    if (repeated) continue;
    seen.push_back(name);
    if (name == "http-equiv" && value == "content-type") gotPragma = true;
    if (name == "content" && charset.empty()) {
      charset = EncodingOfMetaContent(value);
      if (!charset.empty()) needPragma = 1;
    }
    if (name == "charset") {
      charset = EncodingOfLabel(value);
      needPragma = 0;
    }
  }
  if (needPragma == -1 || (needPragma == 1 && !gotPragma) || charset.empty()) return {};
  return charset;
}

// After the tag whose name begins at `at`: its name and attributes passed over.
size_t AfterPrescanTag(std::string_view bytes, size_t at) {
  while (at < bytes.size() && !IsHtmlSpace(bytes[at]) && bytes[at] != '>') ++at;
  std::string name, value;
  while (PrescanAttribute(bytes, at, name, value)) {
  }
  return at;
}

}  // namespace

void AppendDecodedUtf8(std::string_view bytes, std::string& text, std::vector<size_t>& replacedAt) {
  text.reserve(text.size() + bytes.size());
  size_t at = 0;
  while (at < bytes.size()) {
    size_t ascii = at;
    while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
    text.append(bytes.substr(at, ascii - at));
    at = ascii;
    if (at >= bytes.size()) break;
    size_t partLength = 0;
    size_t length = Utf8SequenceAt(bytes, at, partLength);
    if (length > 0) {
      text.append(bytes.substr(at, length));
      at += length;
    } else {
      AppendReplacement(text, replacedAt);
      at += partLength;
    }
  }
}

std::string DeclaredEncoding(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size(); ++at) {
    if (bytes.compare(at, 4, "<!--") == 0) {
      size_t close = bytes.find("-->", at + 2);
      if (close == std::string_view::npos) return {};
      at = close + 2;
    } else if (StartsWithLower(bytes, at, "<meta") && at + 5 < bytes.size() &&
               (IsHtmlSpace(bytes[at + 5]) || bytes[at + 5] == '/')) {
      at += 6;
      std::string_view encoding = EncodingOfMeta(bytes, at);
      if (encoding == "UTF-16LE" || encoding == "UTF-16BE") return "UTF-8";
      if (encoding == "x-user-defined") return "windows-1252";
      if (!encoding.empty()) return std::string(encoding);
    } else if (bytes[at] == '<' && at + 1 < bytes.size() &&
               (IsAsciiLetter(bytes[at + 1]) ||
                (bytes[at + 1] == '/' && at + 2 < bytes.size() && IsAsciiLetter(bytes[at + 2])))) {
      at = AfterPrescanTag(bytes, at + 1);
    } else if (bytes[at] == '<' && at + 1 < bytes.size() &&
               (bytes[at + 1] == '!' || bytes[at + 1] == '/' || bytes[at + 1] == '?')) {
      size_t close = bytes.find('>', at);
      if (close == std::string_view::npos) return {};
      at = close;
    }
  }
  return {};
}

DecodedExport DecodeExport(std::string_view bytes, MultiByteDecoder multiByte) {
  DecodedExport decoded;
  if (StartsWith(bytes, "\xEF\xBB\xBF")) {
    decoded.encoding = "UTF-8";
    bytes.remove_prefix(3);
  } else if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
    decoded.encoding = bytes[0] == '\xFF' ? "UTF-16LE" : "UTF-16BE";
    bytes.remove_prefix(2);
  } else {
    decoded.encoding = SniffedUtf16(bytes);
    if (decoded.encoding.empty()) decoded.encoding = DeclaredEncoding(bytes);
    if (decoded.encoding.empty()) decoded.encoding = "UTF-8";
  }
  const std::string& encoding = decoded.encoding;
  if (encoding == "UTF-8") {
    AppendDecodedUtf8(bytes, decoded.text, decoded.replacedAt);
  } else if (encoding == "UTF-16LE" || encoding == "UTF-16BE") {
    AppendDecodedUtf16(bytes, encoding == "UTF-16BE", decoded.text, decoded.replacedAt);
  } else if (const SingleByteTable* table = SingleByteTableOf(encoding)) {
    AppendDecodedSingleByte(bytes, *table, decoded.text, decoded.replacedAt);
  } else if (encoding == "replacement" ||
             !multiByte(encoding, bytes, decoded.text, decoded.replacedAt)) {
    decoded.readable = false;
    decoded.text.clear();
    decoded.replacedAt.clear();
  }
  return decoded;
}
