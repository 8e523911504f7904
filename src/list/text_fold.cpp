#include "list/text_fold.h"

#include <algorithm>

#include "list/list_format.h"
#include "list/text_fold_table.h"
#include "list/unicode_text.h"

namespace {

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
      folded.push_back(AsciiLower(c));
      ++i;
      continue;
    }
    Utf8Sequence decoded = ReadUtf8Sequence(text, i);
    if (!decoded.valid) {  // no UTF-8: the byte stays as it is
      folded.push_back(text[i++]);
      continue;
    }
    const FoldRow* row = FoldRowOf(decoded.character);
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
