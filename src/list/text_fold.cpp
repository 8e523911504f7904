#include "list/text_fold.h"

#include <algorithm>

#include "list/text_fold_table.h"

namespace {

struct DecodedCharacter {
  char32_t codePoint = 0;
  size_t length = 0;  // 0: the bytes there are no UTF-8 character
};

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The UTF-8 character at the start of the bytes.
DecodedCharacter DecodeAt(std::string_view bytes) {
  const unsigned char lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x80) return {lead, 1};
  size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (lead > 0xF4 || length == 0 || bytes.size() < length) return {};
  char32_t codePoint = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    unsigned char next = static_cast<unsigned char>(bytes[i]);
    if (!IsContinuation(next)) return {};
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < smallest[length] || codePoint > 0x10FFFF) return {};
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return {};
  return {codePoint, length};
}

const FoldRow* FoldRowOf(char32_t codePoint) {
  const FoldRow* end = kFoldRows + kFoldRowCount;
  const FoldRow* row = std::lower_bound(
      kFoldRows, end, codePoint, [](const FoldRow& r, char32_t c) { return r.codePoint < c; });
  return row != end && row->codePoint == codePoint ? row : nullptr;
}

// Printable ASCII, the bulk of most lists, folds without the table: only capitals change.
bool IsPrintableAscii(char c) {
  return c >= 0x20 && c < 0x7F;
}

}  // namespace

void AppendFolded(std::string_view text, std::string& folded) {
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (IsPrintableAscii(c)) {
      folded.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
      ++i;
      continue;
    }
    DecodedCharacter decoded = DecodeAt(text.substr(i));
    if (decoded.length == 0) {  // no UTF-8: the byte stays as it is
      folded.push_back(text[i++]);
      continue;
    }
    const FoldRow* row = FoldRowOf(decoded.codePoint);
    if (row) {
      folded += row->folded;
    } else {
      folded.append(text.substr(i, decoded.length));
    }
    i += decoded.length;
  }
}

std::string FoldedText(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  AppendFolded(text, folded);
  return folded;
}
