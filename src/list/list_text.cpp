#include "list/list_text.h"

#include "list/list_format.h"

std::string ListTextOfEntries(const WebsiteList& list, const std::vector<int32_t>& entryOrder) {
  std::string text;
  for (int32_t entry : entryOrder) {
    AppendEntryLine(text, EntryUrl(list, entry), EntryName(list, entry));
    text.append("\r\n");
  }
  return text;
}

std::string ListFileBytes(std::string_view listText) {
  std::string bytes;
  bytes.reserve(listText.size() + 4);
  ForEachPiece(listText, [&bytes](std::string_view piece) {
    bytes.append(piece);
    bytes.append("\r\n");
  });
  bytes.append("\r\n");
  return bytes;
}
