#include "list/link_text.h"

namespace {

bool IsControl(char c) {
  return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

bool IsAddressSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

void AppendPercentEncoded(char c, std::string& url) {
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  unsigned char byte = static_cast<unsigned char>(c);
  url.push_back('%');
  url.push_back(kHexDigits[byte >> 4]);
  url.push_back(kHexDigits[byte & 0x0F]);
}

bool NeedsNoChange(std::string_view address) {
  for (char c : address) {
    if (c == ',' || IsControl(c)) return false;
  }
  return true;
}

// White space and characters that show as nothing, beyond ASCII, in UTF-8: no-break spaces,
// the typographic spaces, zero-width ones and the byte-order mark.
constexpr std::string_view kInvisibleCharacters[] = {
    "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83",
    "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89",
    "\xE2\x80\x8A", "\xE2\x80\x8B", "\xE2\x80\x8C", "\xE2\x80\x8D", "\xE2\x80\xA8", "\xE2\x80\xA9",
    "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE2\x81\xA0", "\xE3\x80\x80", "\xEF\xBB\xBF"};

// The length of the blank or invisible character at the start (atEnd: the end) of text; 0
// when there is none.
size_t InvisibleLength(std::string_view text, bool atEnd) {
  if (text.empty()) return 0;
  char edge = atEnd ? text.back() : text.front();
  if (edge == ' ') return 1;
  if (static_cast<unsigned char>(edge) < 0x80) return 0;
  for (std::string_view invisible : kInvisibleCharacters) {
    size_t size = invisible.size();
    if (text.size() < size) continue;
    if (text.substr(atEnd ? text.size() - size : 0, size) == invisible) return size;
  }
  return 0;
}

std::string_view TrimInvisible(std::string_view text) {
  while (size_t length = InvisibleLength(text, false)) text.remove_prefix(length);
  while (size_t length = InvisibleLength(text, true)) text.remove_suffix(length);
  return text;
}

}  // namespace

std::string_view TrimAddressSpaces(std::string_view address) {
  size_t first = 0;
  while (first < address.size() && IsAddressSpace(address[first])) ++first;
  size_t end = address.size();
  while (end > first && IsAddressSpace(address[end - 1])) --end;
  return address.substr(first, end - first);
}

std::string ListUrlOf(std::string_view address) {
  address = TrimAddressSpaces(address);
  if (NeedsNoChange(address)) return std::string(address);
  std::string url;
  url.reserve(address.size() + 8);
  for (char c : address) {
    if (c == '\t' || c == '\n' || c == '\r') continue;
    if (c == ',' || IsControl(c)) {
      AppendPercentEncoded(c, url);
    } else {
      url.push_back(c);
    }
  }
  return url;
}

std::string ListNameOf(std::string_view title) {
  std::string name;
  name.reserve(title.size());
  for (char c : TrimInvisible(title)) {
    if (IsControl(c)) c = ' ';
    if (c == ' ' && !name.empty() && name.back() == ' ') continue;
    name.push_back(c);
  }
  return std::string(TrimInvisible(name));
}
