#include "list/entry_store.h"

#include <new>

void AppendEntry(EntryStore& store, std::string_view url, std::string_view name) {
  if (url.size() + name.size() > kLargestEntryText - store.text.size()) throw std::bad_alloc();
  store.text.append(url);
  uint32_t urlEnd = static_cast<uint32_t>(store.text.size());
  store.text.append(name);
  store.ends.push_back({urlEnd, static_cast<uint32_t>(store.text.size())});
}
