// HTML's tokenizer, as the HTML standard defines it, for what a bookmark file can hold: text
// with its character references, start and end tags with attributes in any quoting, comments
// (bogus ones from "<?" and "<!" too), the doctype, and the elements whose content is no markup:
// script, style, xmp, iframe, noembed, noframes and noscript (raw text), title and textarea
// (text with references), and plaintext (text to the end). Portable.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class HtmlTokenKind {
  kText,      // text: characters, references decoded; NUL characters left out
  kStartTag,  // name and attributes
  kEndTag,    // name
  kDoctype,   // name: the doctype's name, "netscape-bookmark-file-1"
};

struct HtmlAttribute {
  std::string name;   // lower case
  std::string value;  // references decoded
};

struct HtmlToken {
  HtmlTokenKind kind = HtmlTokenKind::kText;
  std::string name;                       // lower case
  std::vector<HtmlAttribute> attributes;  // a start tag's, each name once (the first wins)
  std::string text;                       // kText
  size_t sourceBegin = 0, sourceEnd = 0;  // the bytes of the html the token was read from
};

// The value of the attribute, or null when the tag has none of that name (in lower case).
const std::string* FindAttribute(const HtmlToken& tag, std::string_view name);

// Calls onToken(const HtmlToken&) for every token of the html (UTF-8) in order. Comments give
// no token; nor does the content of a raw-text element, nor a tag cut short by the end of the
// text. The token is reused: a callback keeps what it needs.
template <typename OnToken>
void ForEachHtmlToken(std::string_view html, OnToken&& onToken);

// The tokenizer's steps, for ForEachHtmlToken.
struct HtmlScan {
  std::string_view html;
  size_t at = 0;
  HtmlToken token;
  std::string rawElement;  // the raw-text element whose content comes next; empty: none
};
// Reads the next token into scan.token and returns true; false at the end of the text.
bool NextHtmlToken(HtmlScan& scan);

template <typename OnToken>
void ForEachHtmlToken(std::string_view html, OnToken&& onToken) {
  HtmlScan scan;
  scan.html = html;
  while (NextHtmlToken(scan)) onToken(static_cast<const HtmlToken&>(scan.token));
}
