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

std::string ListNameOf(std::string title) {
  for (char& c : title) {
    if (IsControl(c)) c = ' ';
  }
  std::string_view trimmed = TrimBlanks(title);
  if (trimmed.size() == title.size()) return title;
  return std::string(trimmed);
}

}  // namespace

bool IsWebAddress(std::string_view address) {
  return StartsWithIgnoringCase(address, "http:") || StartsWithIgnoringCase(address, "https:");
}

SkipReason WebsiteOfBookmark(const Bookmark& bookmark, Website& website) {
  std::string_view address = TrimAddressSpaces(bookmark.address);
  if (address.empty()) return SkipReason::kNoAddress;
  if (!IsWebAddress(address)) return SkipReason::kNotWebAddress;
  website.url = ListUrlOf(address);
  website.name = ListNameOf(bookmark.title);
  return SkipReason::kNone;
}
