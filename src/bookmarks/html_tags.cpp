#include "bookmarks/html_tags.h"

#include "list/list_format.h"

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

size_t SkipSpaces(std::string_view text, size_t at) {
  while (at < text.size() && IsSpace(text[at])) ++at;
  return at;
}

// Where the text after the first `ending` at or after `from` starts; the end of the text
// when there is none.
size_t After(std::string_view text, size_t from, std::string_view ending) {
  size_t found = text.find(ending, from);
  return found == std::string_view::npos ? text.size() : found + ending.size();
}

struct Attribute {
  std::string_view name;
  std::string_view value;
};

// Reads the attribute at `at` inside a tag and moves `at` past it; false, with `at` on the
// tag's ">" (or the end of the text), when no attribute is left. A quoted value may hold
// blanks and ">"; an unquoted one ends at a blank or ">".
bool NextAttribute(std::string_view text, size_t& at, Attribute& attribute) {
  while (at < text.size() && (IsSpace(text[at]) || text[at] == '/')) ++at;
  if (at >= text.size() || text[at] == '>') return false;
  size_t nameStart = at++;  // a first "=" belongs to the name
  while (at < text.size() && !IsSpace(text[at]) && text[at] != '/' && text[at] != '>' &&
         text[at] != '=') {
    ++at;
  }
  attribute = {text.substr(nameStart, at - nameStart), {}};
  size_t equals = SkipSpaces(text, at);
  if (equals >= text.size() || text[equals] != '=') return true;
  at = SkipSpaces(text, equals + 1);
  if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
    size_t close = text.find(text[at], at + 1);
    if (close == std::string_view::npos) close = text.size();
    attribute.value = text.substr(at + 1, close - at - 1);
    at = close < text.size() ? close + 1 : close;
    return true;
  }
  size_t valueStart = at;
  while (at < text.size() && !IsSpace(text[at]) && text[at] != '>') ++at;
  attribute.value = text.substr(valueStart, at - valueStart);
  return true;
}

// Reads the start tag whose "<" is at `open`.
StartTag ReadStartTag(std::string_view html, size_t open) {
  size_t at = open + 1;
  while (at < html.size() && !IsSpace(html[at]) && html[at] != '/' && html[at] != '>') ++at;
  StartTag tag;
  tag.name = html.substr(open + 1, at - open - 1);
  size_t attributesStart = at;
  Attribute ignored;
  while (NextAttribute(html, at, ignored)) {
  }
  tag.attributes = html.substr(attributesStart, at - attributesStart);
  tag.end = at < html.size() ? at + 1 : at;
  return tag;
}

// True when the "<" at `open` starts markup: a tag, an end tag, a comment, a declaration or a
// processing instruction. Any other "<" is text.
bool StartsMarkup(std::string_view html, size_t open) {
  if (open + 1 >= html.size()) return false;
  char next = html[open + 1];
  bool endTag = next == '/' && open + 2 < html.size() && IsLetter(html[open + 2]);
  return IsLetter(next) || next == '!' || next == '?' || endTag;
}

// Where the text after the markup at `open`, which is not a start tag, starts.
size_t AfterOtherMarkup(std::string_view html, size_t open) {
  if (html.substr(open, 4) == "<!--") return After(html, open + 4, "-->");
  return After(html, open + 1, ">");
}

}  // namespace

bool NextStartTag(std::string_view html, size_t from, StartTag& tag) {
  for (size_t open = NextMarkup(html, from); open < html.size();
       open = NextMarkup(html, AfterOtherMarkup(html, open))) {
    if (IsLetter(html[open + 1])) {
      tag = ReadStartTag(html, open);
      return true;
    }
  }
  return false;
}

size_t NextMarkup(std::string_view html, size_t from) {
  for (size_t open = html.find('<', from); open != std::string_view::npos;
       open = html.find('<', open + 1)) {
    if (StartsMarkup(html, open)) return open;
  }
  return html.size();
}

bool FindAttribute(std::string_view attributes, std::string_view lowerName,
                   std::string_view& value) {
  size_t at = 0;
  Attribute attribute;
  while (NextAttribute(attributes, at, attribute)) {
    if (EqualsIgnoringCase(attribute.name, lowerName)) {
      value = attribute.value;
      return true;
    }
  }
  return false;
}

bool BeginsWithDoctype(std::string_view html, std::string_view lowerType) {
  size_t at = SkipSpaces(html, 0);
  while (html.substr(at, 4) == "<!--") at = SkipSpaces(html, After(html, at + 4, "-->"));
  std::string_view declaration = html.substr(at);
  if (!StartsWithIgnoringCase(declaration, "<!doctype")) return false;
  size_t type = SkipSpaces(declaration, 9);
  return type > 9 && StartsWithIgnoringCase(declaration.substr(type), lowerType);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view lowerB) {
  return a.size() == lowerB.size() && StartsWithIgnoringCase(a, lowerB);
}
