#include "bookmarks/html_entities.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace {

// No name of the table is longer; "CounterClockwiseContourIntegral;" is the longest.
constexpr size_t kLongestName = 32;

bool IsNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The table by name, made at the first look-up, and the length of its longest legacy name.
struct NameIndex {
  std::unordered_map<std::string_view, const NamedReference*> byName;
  size_t longestLegacy = 0;
};

const NameIndex& Index() {
  static const NameIndex index = [] {
    NameIndex made;
    made.byName.reserve(kNamedReferenceCount);
    for (size_t i = 0; i < kNamedReferenceCount; ++i) {
      std::string_view name = kNamedReferences[i].name;
      made.byName.emplace(name, &kNamedReferences[i]);
      if (name.back() != ';') made.longestLegacy = std::max(made.longestLegacy, name.size());
    }
    return made;
  }();
  return index;
}

const NamedReference* FindExactly(const NameIndex& index, std::string_view name) {
  auto found = index.byName.find(name);
  return found == index.byName.end() ? nullptr : found->second;
}

}  // namespace

const NamedReference* LongestNamedReference(std::string_view text) {
  const NameIndex& index = Index();
  size_t letters = 0;
  while (letters < text.size() && letters < kLongestName && IsNameCharacter(text[letters])) {
    ++letters;
  }
  if (letters < text.size() && text[letters] == ';') {
    if (const NamedReference* withSemicolon = FindExactly(index, text.substr(0, letters + 1))) {
      return withSemicolon;
    }
  }
  // Only legacy names lack the ";"; the longest that fits wins.
  for (size_t length = std::min(letters, index.longestLegacy); length >= 2; --length) {
    if (const NamedReference* legacy = FindExactly(index, text.substr(0, length))) return legacy;
  }
  return nullptr;
}
