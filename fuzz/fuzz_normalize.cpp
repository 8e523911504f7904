// Normalising any text: the linear normaliser must give exactly the literal pair-wise result.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "list/normalize.h"
#include "list_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  NormalizedText fast = NormalizeText(text);
  NormalizedText literal = reference::NormalizeText(text);
  FUZZ_CHECK(fast.text == literal.text);
  FUZZ_CHECK(fast.duplicateTally == literal.duplicateTally);
  FUZZ_CHECK(fast.firstDuplicatePiece == literal.firstDuplicatePiece);
  return 0;
}
