// The website list: the one shared data state of the program, alive for the whole run. Each
// field says who writes it and when; everyone else only reads it. The list library writes
// through its operations (LoadListFile, SaveEditedText); the main dialog sets the list file path
// before a load and keeps the current position in step with the main list's selection.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/entry_store.h"
#include "list/file_stamp.h"
#include "list/list_file_form.h"

struct WebsiteList {
  // The current list file. Written by the main dialog before every load: the default list file
  // at start-up, the file chosen with "Another List". Loads and saves use it unchanged.
  std::string listFilePath;

  // The entries of the current list file, by entry number; 0 when no list is loaded or the
  // last load failed. Written by LoadListFile, at every load.
  int32_t entryCount = 0;
  EntryStore entries;

  // The 1-based position of the selected main-list item, 0: none. Written by the main dialog
  // when the main list reports a selection and after "Another List" has loaded a list; by
  // LoadListFile, which stores the position it selects; and by SaveEditedText, which sets the
  // entry to select after its reload (or takes its change back when nothing is reloaded).
  int32_t currentPosition = 0;

  // Written by SaveEditedText: the duplicate pairs its normalisation found, and the edited
  // text being saved.
  int32_t duplicateTally = 0;
  std::string listText;

  // What the latest load found out about the current list file; written by LoadListFile, at
  // every load. A save reads them to keep the file's form and to refuse what would lose data.
  // The file exists but could not be read: nothing may be saved over content never seen.
  bool listFileUnread = false;
  // The file's encoding and line ends, which a save keeps.
  ListFileForm listFileForm;
  // The list shows the file's text only as far as it goes: saving over it would change it.
  bool listFileInexact = false;
  // The file as the load found it: a save asks before it replaces what another program changed.
  FileStamp loadedFile;
};

extern WebsiteList gWebsiteList;

inline std::string_view EntryUrl(const WebsiteList& list, int32_t entry) {
  return EntryUrl(list.entries, entry);
}
inline std::string_view EntryName(const WebsiteList& list, int32_t entry) {
  return EntryName(list.entries, entry);
}

// Back to the start-of-run state: empty path, no entries, position and tally 0. Called when the
// program starts and when it ends.
void ClearWebsiteList();
