#include "list/same_website.h"

#include "list/list_format.h"

namespace {

// Where the host begins: after "scheme://" when the URL has one, else at the start.
size_t HostStart(std::string_view url) {
  size_t separator = url.find("://");
  if (separator == std::string_view::npos || separator == 0) return 0;
  for (size_t i = 0; i < separator; ++i) {
    char c = AsciiLower(url[i]);
    bool schemeCharacter = (c >= 'a' && c <= 'z') ||
                           (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
    if (!schemeCharacter) return 0;
  }
  return separator + 3;
}

}  // namespace

std::string WebsiteKey(std::string_view url) {
  size_t hostEnd = url.find_first_of("/?#", HostStart(url));
  if (hostEnd == std::string_view::npos) hostEnd = url.size();
  std::string key;
  key.reserve(url.size());
  for (size_t i = 0; i < hostEnd; ++i) key.push_back(AsciiLower(url[i]));
  std::string_view rest = url.substr(hostEnd);
  if (!rest.empty() && rest[0] == '/' && (rest.size() == 1 || rest[1] == '?' || rest[1] == '#')) {
    rest.remove_prefix(1);
  }
  key.append(rest);
  return key;
}

int32_t EntryOfSameWebsite(const EntryStore& entries, int32_t entryCount, std::string_view url) {
  const std::string key = WebsiteKey(url);
  for (int32_t entry = 1; entry <= entryCount && entry <= StoredEntries(entries); ++entry) {
    std::string_view other = EntryUrl(entries, entry);
    if (other == url || WebsiteKey(other) == key) return entry;
  }
  return 0;
}
