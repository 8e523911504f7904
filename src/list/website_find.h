// Finding websites as the user types: an entry matches when every word of the query occurs in
// its name or its URL, in any order, letter case and accents ignored (text_fold.h). Portable:
// no platform calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/entry_store.h"

// The folded words of a query, split at blanks; no empty word.
std::vector<std::string> QueryWords(std::string_view query);

// True when every entry that matches the later words also matches the earlier ones (each
// earlier word lies within a later word), so that the later matches are found among the
// earlier ones.
bool NarrowsDown(const std::vector<std::string>& earlier, const std::vector<std::string>& later);

// The entries' names and URLs folded, one text per entry number: the name, a line feed, the URL.
struct FoldedEntries {
  std::string text;
  std::vector<uint32_t> ends;  // ends[e - 1]: where entry e's text ends
};
// Throws std::bad_alloc when they do not fit in memory.
FoldedEntries FoldEntries(const EntryStore& entries, int32_t entryCount);

bool EntryMatches(const FoldedEntries& folded, int32_t entry,
                  const std::vector<std::string>& words);

// One find, from the moment it starts until it ends. The whole list's order is taken when it
// starts; the entries are folded at its first query, not before.
struct WebsiteFind {
  std::vector<int32_t> wholeOrder;  // entry numbers, in the order the whole list shows them
  FoldedEntries folded;
  bool entriesFolded = false;
  std::vector<std::string> words;  // the words the matches were found for
  std::vector<int32_t> matches;    // the entries of wholeOrder that match them, in that order
};

// A find of the entries in that order; before any query, every entry matches.
WebsiteFind StartWebsiteFind(std::vector<int32_t> wholeOrder);

// Finds the matches of the query: among the previous matches when the query narrows them down,
// else among the whole list. Returns false when the matches are the same as before. Throws
// std::bad_alloc when the folded entries do not fit in memory.
bool ApplyQuery(WebsiteFind& find, const EntryStore& entries, std::string_view query);
