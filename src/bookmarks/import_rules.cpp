#include "bookmarks/import_rules.h"

#include "list/link_text.h"
#include "list/list_format.h"

namespace {

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
