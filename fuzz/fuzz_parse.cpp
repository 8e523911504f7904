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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Start from leftovers of an earlier load, as a reload does.
  std::vector<std::string> urls = {"http://old", "http://older"};
  std::vector<std::string> names = {"old"};
  int32_t count = ParseListBytes(bytes, urls, names);
  reference::Entries expected = reference::ParseListBytes(bytes);
  FUZZ_CHECK(count >= 0 && static_cast<size_t>(count) == expected.size());
  FUZZ_CHECK(urls.size() == expected.size() && names.size() == expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    FUZZ_CHECK(urls[i] == expected[i].first);
    FUZZ_CHECK(names[i] == expected[i].second);
    FUZZ_CHECK(IsEntryLine(urls[i]));
  }
  return 0;
}
