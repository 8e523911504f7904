// The list text: the whole list as one text of CR LF-ended lines. Portable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/website_list.h"

// The list text of the given entries in the given order (entry numbers from 1): one canonical
// line per entry, each ended by CR LF. Empty when there are no entries.
std::string ListTextOfEntries(const WebsiteList& list, const std::vector<int32_t>& entryOrder);

// Cuts a text at every CR LF pair: the number of pieces is the number of pairs plus 1.
// Calls onPiece(std::string_view) for each piece in order.
template <typename OnPiece>
void ForEachPiece(std::string_view text, OnPiece&& onPiece) {
  size_t start = 0;
  for (;;) {
    size_t crlf = text.find("\r\n", start);
    if (crlf == std::string_view::npos) {
      onPiece(text.substr(start));
      return;
    }
    onPiece(text.substr(start, crlf - start));
    start = crlf + 2;
  }
}

// The bytes a list file gets for a list text: every piece followed by CR LF, then one more
// CR LF.
std::string ListFileBytes(std::string_view listText);
