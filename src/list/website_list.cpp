#include "list/website_list.h"

#include <new>

WebsiteList gWebsiteList;

void AppendEntry(EntryStore& store, std::string_view url, std::string_view name) {
  if (url.size() + name.size() > kLargestEntryText - store.text.size()) throw std::bad_alloc();
  store.text.append(url);
  uint32_t urlEnd = static_cast<uint32_t>(store.text.size());
  store.text.append(name);
  store.ends.push_back({urlEnd, static_cast<uint32_t>(store.text.size())});
}

void ClearWebsiteList() {
  gWebsiteList = WebsiteList();
}
