// The list text: the whole list as one text of CR LF-ended lines. Portable.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "list/entry_store.h"
#include "list/list_file_form.h"

// The list text of the given entries in the given order (entry numbers from 1): one canonical
// line per entry, each ended by CR LF. Empty when there are no entries.
std::string ListTextOfEntries(const EntryStore& entries, const std::vector<int32_t>& entryOrder);

// Cuts a text at every CR LF pair: the number of pieces is the number of pairs plus 1.
// Calls onPiece(std::string_view) for each piece in order.
template <typename OnPiece>
void ForEachPiece(std::string_view text, OnPiece&& onPiece) {
  const char* start = text.data();
  const char* scan = start;
  const char* end = start + text.size();
  while (scan < end) {
    const char* cr =
        static_cast<const char*>(std::memchr(scan, '\r', static_cast<size_t>(end - scan)));
    if (!cr) break;
    scan = cr + 1;
    if (scan < end && *scan == '\n') {
      onPiece(std::string_view(start, static_cast<size_t>(cr - start)));
      start = ++scan;
    }
  }
  onPiece(std::string_view(start, static_cast<size_t>(end - start)));
}

// The number (from 1) of the first piece of the list text that the encoding cannot hold; 0 when
// it holds them all. Only a code page can lack characters.
int32_t FirstPieceNotFitting(std::string_view listText, TextEncoding encoding,
                             const CodePageConversion& codePage);

// The bytes a list file gets for a list text: every piece followed by CR LF, then one more
// CR LF.
std::string ListFileBytes(std::string_view listText);
