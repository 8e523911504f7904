// Test support: the entries of a compact entry store as (URL, name) pairs, the form in which
// the literal reference readings give them, and a store made from such pairs.
#pragma once

#include <cstdint>

#include "list/entry_store.h"
#include "list_reference.h"

inline reference::Entries StoredEntriesOf(const EntryStore& store) {
  reference::Entries entries;
  for (int32_t entry = 1; entry <= StoredEntries(store); ++entry) {
    entries.emplace_back(EntryUrl(store, entry), EntryName(store, entry));
  }
  return entries;
}

inline EntryStore StoreOf(const reference::Entries& entries) {
  EntryStore store;
  for (const auto& [url, name] : entries) AppendEntry(store, url, name);
  return store;
}
