// Finding the tags of an HTML document the way browsers split it: start tags with their
// attributes, in any letter case and any attribute order, past comments, declarations and end
// tags. Only what reading a bookmark file needs. Portable.
#pragma once

#include <cstddef>
#include <string_view>

struct StartTag {
  std::string_view name;        // as written: "DT", "a", "H3"
  std::string_view attributes;  // the text between the name and the closing ">"
  size_t end = 0;               // where the text after the tag starts
};

// The first start tag at or after `from`; false when there is none. Comments ("<!-- -->"),
// declarations ("<!DOCTYPE ...>"), processing instructions and end tags are passed over, and a
// "<" that starts no tag is text.
bool NextStartTag(std::string_view html, size_t from, StartTag& tag);

// Where the next markup (a tag, an end tag, a comment or a declaration) at or after `from`
// starts; the end of the text when there is none. A "<" that starts no markup is text.
size_t NextMarkup(std::string_view html, size_t from);

// The value of the attribute named lowerName (given in lower case, compared ignoring case),
// as written, its quotes taken off; false when the tag has no such attribute.
bool FindAttribute(std::string_view attributes, std::string_view lowerName,
                   std::string_view& value);

// True when the document, after blanks and comments, begins with the declaration
// "<!DOCTYPE " followed by lowerType (in lower case, compared ignoring case).
bool BeginsWithDoctype(std::string_view html, std::string_view lowerType);

// True when a and b are the same letters, ignoring the case of ASCII letters in a.
bool EqualsIgnoringCase(std::string_view a, std::string_view lowerB);
