// The entries of a list, kept compactly: all their URLs and names one after another in one
// text, and where each one ends. A million entries cost one allocation of about the size of
// the list file, not two million small strings. Portable: no platform calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Where one entry's URL and name end in the entry text. An entry's URL starts where the name of
// the entry before it ends (the first one at 0), and its name starts where its URL ends.
struct EntryEnds {
  uint32_t urlEnd = 0;
  uint32_t nameEnd = 0;
};

struct EntryStore {
  std::string text;
  std::vector<EntryEnds> ends;  // ends[e - 1] belongs to entry number e
};

// The entry text holds at most this many bytes: the ends are 32-bit offsets.
constexpr size_t kLargestEntryText = UINT32_MAX;

// How many entries the store holds (entry numbers 1 ... that many).
inline int64_t StoredEntries(const EntryStore& store) {
  return static_cast<int64_t>(store.ends.size());
}

// Entry numbers count from 1 and must lie within the store.
inline std::string_view EntryUrl(const EntryStore& store, int32_t entry) {
  size_t index = static_cast<size_t>(entry - 1);
  size_t start = index == 0 ? 0 : store.ends[index - 1].nameEnd;
  return std::string_view(store.text).substr(start, store.ends[index].urlEnd - start);
}
inline std::string_view EntryName(const EntryStore& store, int32_t entry) {
  const EntryEnds& ends = store.ends[static_cast<size_t>(entry - 1)];
  return std::string_view(store.text).substr(ends.urlEnd, ends.nameEnd - ends.urlEnd);
}

// Stores one more entry after the last one. Throws std::bad_alloc when it does not fit.
void AppendEntry(EntryStore& store, std::string_view url, std::string_view name);
