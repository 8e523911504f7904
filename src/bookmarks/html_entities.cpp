#include "bookmarks/html_entities.h"

#include <algorithm>
#include <cstring>

namespace {

// No name of the table is longer; "CounterClockwiseContourIntegral;" is the longest.
constexpr size_t kLongestName = 32;

bool IsNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

const NamedReference* FindExactly(std::string_view name) {
  const NamedReference* end = kNamedReferences + kNamedReferenceCount;
  const NamedReference* found = std::lower_bound(
      kNamedReferences, end, name, [](const NamedReference& entry, std::string_view n) {
        return std::string_view(entry.name) < n;
      });
  return found != end && std::string_view(found->name) == name ? found : nullptr;
}

}  // namespace

const NamedReference* LongestNamedReference(std::string_view text) {
  size_t letters = 0;
  while (letters < text.size() && letters < kLongestName && IsNameCharacter(text[letters])) {
    ++letters;
  }
  if (letters < text.size() && text[letters] == ';') {
    if (const NamedReference* withSemicolon = FindExactly(text.substr(0, letters + 1))) {
      return withSemicolon;
    }
  }
  // Only legacy names lack the ";"; the longest that fits wins.
  for (size_t length = letters; length >= 2; --length) {
    if (const NamedReference* legacy = FindExactly(text.substr(0, length))) return legacy;
  }
  return nullptr;
}
