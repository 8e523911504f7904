#include "bookmarks/web_encodings.h"

#include <algorithm>
#include <string>

#include "list/list_format.h"

namespace {

bool IsAsciiBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

}  // namespace

std::string_view EncodingOfLabel(std::string_view label) {
  while (!label.empty() && IsAsciiBlank(label.front())) label.remove_prefix(1);
  while (!label.empty() && IsAsciiBlank(label.back())) label.remove_suffix(1);
  std::string lower(label);
  for (char& c : lower) c = AsciiLower(c);
  const EncodingLabel* end = kEncodingLabels + kEncodingLabelCount;
  const EncodingLabel* found = std::lower_bound(
      kEncodingLabels, end, lower, [](const EncodingLabel& entry, const std::string& l) {
        return std::string_view(entry.label) < l;
      });
  if (found == end || found->label != lower) return {};
  return kEncodingNames[found->encoding];
}

const SingleByteTable* SingleByteTableOf(std::string_view encodingName) {
  for (size_t i = 0; i < kSingleByteTableCount; ++i) {
    if (kEncodingNames[kSingleByteTables[i].encoding] == encodingName) return &kSingleByteTables[i];
  }
  return nullptr;
}
