// The website list: the one shared data state of the program, alive for the whole run. Each
// field says who writes it and when; everyone else only reads it. The list library writes
// through its operations (LoadListFile and the changes that end with it); the main dialog sets
// the list file path before a load and keeps the current position in step with the main list's
// selection.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/entry_store.h"
#include "list/file_stamp.h"
#include "list/list_file_model.h"

struct WebsiteList {
  // The current list file. Written by the main dialog before every load: the default list file
  // at start-up, the file chosen with "Another List". Loads, saves and changes use it unchanged.
  std::string listFilePath;

  // The current list file as the latest load read it: its form (which a save keeps), whether
  // its text is exact (saving over a file shown only as far as it goes would change it), its
  // entries by entry number and the line each came from. The entry count is 0 when no list is
  // loaded or the last load failed. Written by LoadListFile, at every load.
  ListFile file;

  // The 1-based position of the selected main-list item, 0: none. Written by the main dialog
  // when the main list reports a selection and after "Another List" has loaded a list, and by
  // LoadListFile, which stores the position it selects.
  int32_t currentPosition = 0;

  // What the latest load found out about the file on disk; written by LoadListFile, at every
  // load. The file exists but could not be read: nothing may be saved over content never seen.
  bool listFileUnread = false;
  // The file as the load found it: a save asks before it replaces what another program changed.
  FileStamp loadedFile;
};

extern WebsiteList gWebsiteList;

inline std::string_view EntryUrl(const WebsiteList& list, int32_t entry) {
  return EntryUrl(list.file.entries, entry);
}
inline std::string_view EntryName(const WebsiteList& list, int32_t entry) {
  return EntryName(list.file.entries, entry);
}

// Back to the start-of-run state: empty path, no entries, position 0. Called when the program
// starts and when it ends.
void ClearWebsiteList();
