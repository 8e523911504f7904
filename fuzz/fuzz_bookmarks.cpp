// Reading a bookmark export from any bytes: deciding and decoding its character set, the
// tokenizer, the links and the import rules. Beyond not crashing: the text is valid UTF-8, every
// replaced place holds U+FFFD, and every website's URL and name make one list line that reads
// back as the same entry.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "bookmarks/bookmark_file.h"
#include "bookmarks/export_encoding.h"
#include "bookmarks/import_rules.h"
#include "bookmarks/tool_platform.h"
#include "fuzz_check.h"
#include "list/list_format.h"
#include "list/unicode_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  DecodedExport decoded = DecodeExport(bytes, DecodeMultiByteText);
  FUZZ_CHECK(IsValidUtf8(decoded.text));
  for (size_t at : decoded.replacedAt) FUZZ_CHECK(decoded.text.compare(at, 3, "\xEF\xBF\xBD") == 0);
  BookmarkExport found = ReadBookmarkExport(decoded.text, decoded.replacedAt);
  for (const Bookmark& bookmark : found.bookmarks) {
    FUZZ_CHECK(IsValidUtf8(bookmark.title) && IsValidUtf8(bookmark.address));
    Website website;
    if (WebsiteOfBookmark(bookmark, website) != SkipReason::kNone) continue;
    std::string line;
    AppendEntryLine(line, website.url, website.name);
    FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\x1A\0", 4)) == std::string::npos);
    EntryFields fields = SplitEntryFields(line);
    FUZZ_CHECK(IsEntryLine(line) && fields.url == website.url && fields.name == website.name);
  }
  ReadBookmarkExport(bytes);  // the tokenizer on bytes that need not be UTF-8
  return 0;
}
