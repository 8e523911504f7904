// HTML's named character references: the whole table of the HTML standard (generated into
// html_entity_table.cpp by tools/generate/html_tables.py). Portable.
#pragma once

#include <cstddef>
#include <string_view>

struct NamedReference {
  const char* name;  // "amp;", "eacute;", and the legacy names without ";" ("amp", "copy")
  char32_t first;    // the character it stands for
  char32_t second;   // a second one for the few names of two, else 0
};

extern const NamedReference kNamedReferences[];
extern const size_t kNamedReferenceCount;

// The longest name of the table that text (the characters after "&") begins with, as HTML's
// tokenizer matches it: the name with its ";" when written so, else the legacy name without
// one ("&copy2" matches "copy"). Null when text begins with no name.
const NamedReference* LongestNamedReference(std::string_view text);
