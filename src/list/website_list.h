// The website list: the one shared data state of the program, alive for the whole run.
// Portable: no platform types.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WebsiteList {
  std::string listFilePath;        // the current list file; set by the caller before a load
  int32_t entryCount = 0;          // 0 when no list is loaded or the last load failed
  std::vector<std::string> urls;   // urls[e - 1] is the URL of entry number e
  std::vector<std::string> names;  // names[e - 1] is the name of entry number e
  int32_t currentPosition = 0;     // 1-based position of the selected main-list item, 0: none
  int32_t duplicateTally = 0;      // duplicate pairs found by the latest normalisation
  std::string listText;            // the edited text being saved
  // The current list file exists but could not be read by the latest load. Nothing may be
  // saved over it: its content was never seen.
  bool listFileUnread = false;
};

extern WebsiteList gWebsiteList;

// Entry numbers count from 1.
inline const std::string& EntryUrl(const WebsiteList& list, int32_t entry) {
  return list.urls[static_cast<size_t>(entry - 1)];
}
inline const std::string& EntryName(const WebsiteList& list, int32_t entry) {
  return list.names[static_cast<size_t>(entry - 1)];
}

// Back to the start-of-run state: empty path, no entries, position and tally 0.
void ClearWebsiteList();
