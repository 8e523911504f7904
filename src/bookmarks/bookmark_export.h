// A list's websites as a bookmark file that browsers import. Portable.
#pragma once

#include <cstdint>
#include <string>

#include "list/entry_store.h"

struct ExportedBookmarks {
  std::string html;           // the bookmark file, UTF-8
  int32_t written = 0;        // bookmarks in it
  int32_t schemeGiven = 0;    // of those, "www." addresses written with "http://" before them
  int32_t notWebAddress = 0;  // entries left out: their URL is neither http(s) nor www.
};

// The bookmark file of the entries, one bookmark each in entry order, in one folder: the
// doctype and the charset line browsers expect, then <DT><A HREF="URL">name</A> for each,
// URL and name HTML-escaped. An entry without a name gives a link without text, which a
// browser shows as its address. Browsers need a scheme: a "www." URL gets "http://".
ExportedBookmarks BookmarkFileOfEntries(const EntryStore& entries);
