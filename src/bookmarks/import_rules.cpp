#include "bookmarks/import_rules.h"

#include "list/list_format.h"

namespace {

bool IsControl(char c) {
  return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

bool IsAddressSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view TrimAddressSpaces(std::string_view address) {
  size_t first = 0;
  while (first < address.size() && IsAddressSpace(address[first])) ++first;
  size_t end = address.size();
  while (end > first && IsAddressSpace(address[end - 1])) --end;
  return address.substr(first, end - first);
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

std::string ListUrlOf(std::string_view address) {
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

std::string ListNameOf(const std::string& title) {
  std::string name;
  name.reserve(title.size());
  for (char c : TrimInvisible(title)) {
    if (IsControl(c)) c = ' ';
    if (c == ' ' && !name.empty() && name.back() == ' ') continue;
    name.push_back(c);
  }
  return std::string(TrimInvisible(name));
}

bool EndsHost(char c) {
  return c == '/' || c == '\\' || c == '?' || c == '#';
}

}  // namespace

bool IsWebAddress(std::string_view address) {
  return StartsWithIgnoringCase(address, "http:") || StartsWithIgnoringCase(address, "https:");
}

bool HasHost(std::string_view webAddress) {
  std::string_view rest = webAddress.substr(webAddress.find(':') + 1);
  for (int slash = 0; slash < 2 && !rest.empty() && (rest[0] == '/' || rest[0] == '\\'); ++slash) {
    rest.remove_prefix(1);
  }
  size_t end = 0;
  while (end < rest.size() && !EndsHost(rest[end])) ++end;
  std::string_view authority = rest.substr(0, end);
  size_t user = authority.rfind('@');
  if (user != std::string_view::npos) authority.remove_prefix(user + 1);
  // A port follows the last ":" that is not inside an IPv6 address's brackets.
  size_t port = authority.rfind(':');
  if (port != std::string_view::npos && authority.find(']', port) == std::string_view::npos) {
    authority = authority.substr(0, port);
  }
  return !authority.empty();
}

SkipReason WebsiteOfBookmark(const Bookmark& bookmark, Website& website) {
  std::string_view address = TrimAddressSpaces(bookmark.address);
  if (address.empty()) return SkipReason::kNoAddress;
  if (!IsWebAddress(address)) return SkipReason::kNotWebAddress;
  website.url = ListUrlOf(address);
  if (!HasHost(website.url)) return SkipReason::kNoHost;
  website.name = ListNameOf(bookmark.title);
  return SkipReason::kNone;
}
