// The website list: the one shared data state of the program, alive for the whole run.
// Portable: no platform types.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/list_file_form.h"
#include "list/file_stamp.h"

// Where one entry's URL and name end in the entry text. An entry's URL starts where the name of
// the entry before it ends (the first one at 0), and its name starts where its URL ends.
struct EntryEnds {
  uint32_t urlEnd = 0;
  uint32_t nameEnd = 0;
};

// The URLs and names of a list's entries, kept compactly: all their bytes one after another in
// one text, and where each one ends. A million entries cost one allocation of about the size
// of the list file, not two million small strings.
struct EntryStore {
  std::string text;
  std::vector<EntryEnds> ends;  // ends[e - 1] belongs to entry number e
};

struct WebsiteList {
  std::string listFilePath;     // the current list file; set by the caller before a load
  int32_t entryCount = 0;       // 0 when no list is loaded or the last load failed
  EntryStore entries;           // the trimmed URL and name of each entry, by entry number
  int32_t currentPosition = 0;  // 1-based position of the selected main-list item, 0: none
  int32_t duplicateTally = 0;   // duplicate pairs found by the latest normalisation
  std::string listText;         // the edited text being saved
  // The current list file exists but could not be read by the latest load. Nothing may be
  // saved over it: its content was never seen.
  bool listFileUnread = false;
  // The form of the current list file (a byte-order mark and what follows it), which a save
  // keeps; plain text when the file had no mark or could not be read.
  ListFileForm listFileForm = ListFileForm::kPlain;
  // The current list file holds characters that the system code page cannot hold: the list
  // shows them otherwise, and saving over the file would change them.
  bool listFileInexact = false;
  // The list file as the latest load found it: a save asks before it replaces a file that
  // another program has changed since.
  FileStamp loadedFile;
};

extern WebsiteList gWebsiteList;

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
inline std::string_view EntryUrl(const WebsiteList& list, int32_t entry) {
  return EntryUrl(list.entries, entry);
}
inline std::string_view EntryName(const WebsiteList& list, int32_t entry) {
  return EntryName(list.entries, entry);
}

// Stores one more entry after the last one. Throws std::bad_alloc when it does not fit.
void AppendEntry(EntryStore& store, std::string_view url, std::string_view name);

// Back to the start-of-run state: empty path, no entries, position and tally 0.
void ClearWebsiteList();
