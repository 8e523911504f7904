#include "list/list_text.h"

#include "list/list_format.h"

namespace {

// The length of the text, so that a big list is built in one allocation.
size_t TextLength(const WebsiteList& list, const std::vector<int32_t>& entryOrder) {
  size_t length = 0;
  for (int32_t entry : entryOrder) {
    size_t nameLength = EntryName(list, entry).size();
    length += EntryUrl(list, entry).size() + (nameLength > 0 ? nameLength + 2 : 0) + 2;
  }
  return length;
}

}  // namespace

std::string ListTextOfEntries(const WebsiteList& list, const std::vector<int32_t>& entryOrder) {
  std::string text;
  text.reserve(TextLength(list, entryOrder));
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
