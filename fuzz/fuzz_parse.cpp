// Parsing any bytes as a list file, checked against reading them byte by byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "list/list_format.h"
#include "list/list_parse.h"
#include "list_reference.h"
#include "stored_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Start from leftovers of an earlier load, as a reload does.
  EntryStore store = StoreOf({{"http://old", "old"}, {"http://older", ""}});
  int32_t count = ParseListText(std::string(bytes), LineEnds::kCrLf, store);
  reference::Entries expected = reference::ParseListBytes(bytes);
  FUZZ_CHECK(count >= 0 && static_cast<size_t>(count) == expected.size());
  reference::Entries stored = StoredEntriesOf(store);
  FUZZ_CHECK(stored == expected);
  for (const auto& entry : stored) FUZZ_CHECK(IsEntryLine(entry.first));
  return 0;
}
