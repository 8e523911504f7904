// Normalised text is stable, and saving it and loading the file gives its entry lines back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "list/list_format.h"
#include "list/list_parse.h"
#include "list/list_text.h"
#include "list/normalize.h"
#include "list_reference.h"
#include "stored_entries.h"

namespace {

// A file line can differ from a piece only through a CR outside a CR LF pair or a 0x1A.
bool PiecesAreFileLines(const std::string& text) {
  if (text.find('\x1A') != std::string::npos) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  NormalizedText once = NormalizeText(text);
  NormalizedText twice = NormalizeText(once.text);
  FUZZ_CHECK(twice.text == once.text);
  FUZZ_CHECK(twice.duplicateTally == 0);

  std::string fileBytes = ListFileBytes(once.text);
  FUZZ_CHECK(fileBytes.size() >= 4 && fileBytes.compare(fileBytes.size() - 4, 4, "\r\n\r\n") == 0);
  if (!PiecesAreFileLines(once.text)) return 0;
  EntryStore store;
  ParseListText(fileBytes, LineEnds::kCrLf, store);
  reference::Entries loaded = StoredEntriesOf(store);
  size_t entry = 0;
  for (const std::string& piece : reference::CutAtCrLf(once.text)) {
    if (!IsEntryLine(piece)) continue;
    FUZZ_CHECK(entry < loaded.size());
    FUZZ_CHECK(reference::LineFields(piece) == loaded[entry]);
    ++entry;
  }
  FUZZ_CHECK(entry == loaded.size());
  return 0;
}
