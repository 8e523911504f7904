#include "list/list_text.h"

#include "list/list_format.h"
#include "list/unicode_text.h"

namespace {

// The length of the text, so that a big list is built in one allocation.
size_t TextLength(const EntryStore& entries, const std::vector<int32_t>& entryOrder) {
  size_t length = 0;
  for (int32_t entry : entryOrder) {
    size_t nameLength = EntryName(entries, entry).size();
    length += EntryUrl(entries, entry).size() + (nameLength > 0 ? nameLength + 2 : 0) + 2;
  }
  return length;
}

}  // namespace

std::string ListTextOfEntries(const EntryStore& entries, const std::vector<int32_t>& entryOrder) {
  std::string text;
  text.reserve(TextLength(entries, entryOrder));
  for (int32_t entry : entryOrder) {
    AppendEntryLine(text, EntryUrl(entries, entry), EntryName(entries, entry));
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

int32_t FirstPieceNotFitting(std::string_view listText, TextEncoding encoding,
                             const CodePageConversion& codePage) {
  std::string bytes;
  // One conversion of the whole text in the usual case; piece by piece only to find the line.
  if (IsAscii(listText) || EncodeText(listText, encoding, codePage, bytes)) return 0;
  int32_t number = 0;
  int32_t firstNotFitting = 0;
  ForEachPiece(listText, [&](std::string_view piece) {
    ++number;
    if (firstNotFitting == 0 && !IsAscii(piece) && !EncodeText(piece, encoding, codePage, bytes)) {
      firstNotFitting = number;
    }
  });
  return firstNotFitting;
}
