#include "bookmarks/html_tokenizer.h"

#include "bookmarks/html_text.h"
#include "list/list_format.h"

namespace {

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

size_t SkipSpaces(std::string_view html, size_t at) {
  while (at < html.size() && IsHtmlSpace(html[at])) ++at;
  return at;
}

// After the first ">" at or after from; the end of the text without one.
size_t AfterGreaterThan(std::string_view html, size_t from) {
  size_t found = html.find('>', from);
  return found == std::string_view::npos ? html.size() : found + 1;
}

// The elements whose content the tokenizer reads as text to their end tag.
bool IsRawTextElement(std::string_view name) {
  for (std::string_view raw : {"script", "style", "xmp", "iframe", "noembed", "noframes",
                               "noscript", "title", "textarea", "plaintext"}) {
    if (name == raw) return true;
  }
  return false;
}

// True when "</name" at html[at] ends the element: followed by a blank, "/" or ">".
bool IsEndTagOf(std::string_view html, size_t at, std::string_view name) {
  if (html.compare(at, 2, "</") != 0 || !StartsWithLower(html, at + 2, name)) return false;
  size_t after = at + 2 + name.size();
  return after < html.size() &&
         (IsHtmlSpace(html[after]) || html[after] == '/' || html[after] == '>');
}

// True when "<script" at html[at] opens a script inside an escaped script: followed by a
// blank, "/" or ">".
bool IsScriptStartTag(std::string_view html, size_t at) {
  if (!StartsWithLower(html, at, "<script")) return false;
  size_t after = at + 7;
  return after < html.size() &&
         (IsHtmlSpace(html[after]) || html[after] == '/' || html[after] == '>');
}

// Where the end tag of a script element starts, past the escaped ("<!-- ... -->") and doubly
// escaped ("<!-- <script> ... </script> -->") parts of script data; the end without one.
size_t ScriptEnd(std::string_view html, size_t from) {
  enum { kData, kEscaped, kDoubleEscaped } state = kData;
  int dashes = 0;
  for (size_t at = from; at < html.size();) {
    char c = html[at];
    if (c == '-') {
      ++dashes;
      ++at;
      continue;
    }
    bool closesEscape = c == '>' && dashes >= 2 && state != kData;
    dashes = 0;
    if (closesEscape) {
      state = kData;
    } else if (c == '<' && state == kData && html.compare(at, 4, "<!--") == 0) {
      state = kEscaped;
      dashes = 2;
      at += 4;
      continue;
    } else if (c == '<' && IsEndTagOf(html, at, "script")) {
      if (state != kDoubleEscaped) return at;
      state = kEscaped;
    } else if (c == '<' && state == kEscaped && IsScriptStartTag(html, at)) {
      state = kDoubleEscaped;
    }
    ++at;
  }
  return html.size();
}

// Where the end tag of a raw-text element other than script starts; the end without one.
size_t RawTextEnd(std::string_view html, size_t from, std::string_view name) {
  for (size_t at = html.find("</", from); at != std::string_view::npos;
       at = html.find("</", at + 1)) {
    if (IsEndTagOf(html, at, name)) return at;
  }
  return html.size();
}

// True when the "<" at html[at] begins markup rather than text.
bool BeginsMarkup(std::string_view html, size_t at) {
  if (at + 1 >= html.size()) return false;
  char next = html[at + 1];
  return IsAsciiLetter(next) || next == '!' || next == '?' || (next == '/' && at + 2 < html.size());
}

// Text up to the next markup, references decoded.
void ReadText(HtmlScan& scan) {
  std::string_view html = scan.html;
  HtmlToken& token = scan.token;
  token.kind = HtmlTokenKind::kText;
  token.text.clear();
  token.sourceBegin = scan.at;
  size_t at = scan.at;
  while (at < html.size()) {
    size_t special = at;
    while (special < html.size() && html[special] != '<' && html[special] != '&' &&
           html[special] != '\0') {
      ++special;
    }
    token.text.append(html.substr(at, special - at));
    at = special;
    if (at == html.size()) break;
    if (html[at] == '&') {
      at = AppendCharacterReference(html, at, false, token.text);
    } else if (html[at] == '\0') {
      ++at;  // the tree builder drops NUL characters of text
    } else if (BeginsMarkup(html, at)) {
      break;
    } else {
      token.text.push_back('<');
      ++at;
    }
  }
  token.sourceEnd = scan.at = at;
}

// An attribute's name: its first character may be "=".
size_t ReadAttributeName(std::string_view html, size_t at, std::string& name) {
  name.clear();
  do {
    char c = html[at];
    if (c == '\0') {
      name.append(kReplacementUtf8);
    } else {
      name.push_back(AsciiLower(c));
    }
    ++at;
  } while (at < html.size() && !IsHtmlSpace(html[at]) && html[at] != '/' && html[at] != '>' &&
           html[at] != '=');
  return at;
}

// An attribute's value from html[at]; returns where it ends, the end of the text when it is
// cut short there.
size_t ReadAttributeValue(std::string_view html, size_t at, std::string& value) {
  value.clear();
  char quote = html[at];
  bool quoted = quote == '"' || quote == '\'';
  if (quoted) ++at;
  auto ends = [quoted, quote](char c) {
    return quoted ? c == quote : (IsHtmlSpace(c) || c == '>');
  };
  while (at < html.size()) {
    size_t stop = at;
    while (stop < html.size() && !ends(html[stop]) && html[stop] != '&' && html[stop] != '\0') {
      ++stop;
    }
    value.append(html.substr(at, stop - at));
    at = stop;
    if (at == html.size() || (html[at] != '&' && html[at] != '\0')) break;
    if (html[at] == '&') {
      at = AppendCharacterReference(html, at, true, value);
    } else {
      value.append(kReplacementUtf8);
      ++at;
    }
  }
  if (quoted && at < html.size()) ++at;
  return at;
}

void AddAttribute(HtmlToken& token, const std::string& name, const std::string& value) {
  if (FindAttribute(token, name)) return;
  token.attributes.push_back({name, value});
}

// The attributes of a tag, to its ">"; returns after it, or npos when the text ends first.
size_t ReadAttributes(std::string_view html, size_t at, HtmlToken& token) {
  std::string name, value;
  for (;;) {
    at = SkipSpaces(html, at);
    if (at >= html.size()) return std::string_view::npos;
    if (html[at] == '>') return at + 1;
    if (html[at] == '/') {  // a self-closing slash, or one out of place
      ++at;
      continue;
    }
    at = SkipSpaces(html, ReadAttributeName(html, at, name));
    if (at >= html.size()) return std::string_view::npos;
    value.clear();
    if (html[at] == '=') {
      at = SkipSpaces(html, at + 1);
      if (at >= html.size()) return std::string_view::npos;
      if (html[at] != '>') at = ReadAttributeValue(html, at, value);
      if (at >= html.size()) return std::string_view::npos;
    }
    AddAttribute(token, name, value);
  }
}

// A start or end tag whose name begins at html[nameAt]; false when the text ends inside it.
bool ReadTag(HtmlScan& scan, size_t nameAt, HtmlTokenKind kind) {
  std::string_view html = scan.html;
  HtmlToken& token = scan.token;
  token.kind = kind;
  token.name.clear();
  token.attributes.clear();
  token.sourceBegin = scan.at;
  size_t at = nameAt;
  for (; at < html.size() && !IsHtmlSpace(html[at]) && html[at] != '/' && html[at] != '>'; ++at) {
    if (html[at] == '\0') {
      token.name.append(kReplacementUtf8);
    } else {
      token.name.push_back(AsciiLower(html[at]));
    }
  }
  size_t end = ReadAttributes(html, at, token);
  if (end == std::string_view::npos) {
    scan.at = html.size();
    return false;
  }
  if (kind == HtmlTokenKind::kEndTag) token.attributes.clear();
  if (kind == HtmlTokenKind::kStartTag && IsRawTextElement(token.name)) {
    scan.rawElement = token.name;
  }
  token.sourceEnd = scan.at = end;
  return true;
}

// After "<!--": the comment ends at "-->" or "--!>", or at once with ">" or "->".
size_t CommentEnd(std::string_view html, size_t contentAt) {
  if (html.compare(contentAt, 1, ">") == 0) return contentAt + 1;
  if (html.compare(contentAt, 2, "->") == 0) return contentAt + 2;
  size_t close = html.find("-->", contentAt);
  size_t bang = html.find("--!>", contentAt);
  if (close == std::string_view::npos && bang == std::string_view::npos) return html.size();
  if (bang < close) return bang + 4;
  return close + 3;
}

void ReadDoctype(HtmlScan& scan) {
  std::string_view html = scan.html;
  HtmlToken& token = scan.token;
  token.kind = HtmlTokenKind::kDoctype;
  token.name.clear();
  token.attributes.clear();
  token.sourceBegin = scan.at;
  size_t at = SkipSpaces(html, scan.at + 9);
  for (; at < html.size() && !IsHtmlSpace(html[at]) && html[at] != '>'; ++at) {
    token.name.push_back(AsciiLower(html[at]));
  }
  token.sourceEnd = scan.at = AfterGreaterThan(html, at);
}

// The markup at scan.at; false when it gives no token (a comment, a tag cut short).
bool ReadMarkup(HtmlScan& scan) {
  std::string_view html = scan.html;
  size_t at = scan.at;
  char next = html[at + 1];
  if (IsAsciiLetter(next)) return ReadTag(scan, at + 1, HtmlTokenKind::kStartTag);
  if (next == '/' && IsAsciiLetter(html[at + 2]))
    return ReadTag(scan, at + 2, HtmlTokenKind::kEndTag);
  if (next == '/' && html[at + 2] == '>') {
    scan.at = at + 3;  // "</>" is nothing
  } else if (html.compare(at, 4, "<!--") == 0) {
    scan.at = CommentEnd(html, at + 4);
  } else if (StartsWithLower(html, at, "<!doctype")) {
    ReadDoctype(scan);
    return true;
  } else {
    scan.at = AfterGreaterThan(html, at + 2);  // a bogus comment: "<?...>", "<!...>", "</1>"
  }
  return false;
}

// Passes over the content of the raw-text element just opened; plaintext's is text to the end.
bool ReadRawText(HtmlScan& scan) {
  std::string element;
  element.swap(scan.rawElement);
  if (element == "plaintext") {
    scan.token.kind = HtmlTokenKind::kText;
    scan.token.sourceBegin = scan.at;
    scan.token.text.clear();
    for (char c : scan.html.substr(scan.at)) {
      if (c == '\0') {
        scan.token.text.append(kReplacementUtf8);
      } else {
        scan.token.text.push_back(c);
      }
    }
    scan.token.sourceEnd = scan.at = scan.html.size();
    return !scan.token.text.empty();
  }
  scan.at =
      element == "script" ? ScriptEnd(scan.html, scan.at) : RawTextEnd(scan.html, scan.at, element);
  return false;
}

}  // namespace

const std::string* FindAttribute(const HtmlToken& tag, std::string_view name) {
  for (const HtmlAttribute& attribute : tag.attributes) {
    if (attribute.name == name) return &attribute.value;
  }
  return nullptr;
}

bool NextHtmlToken(HtmlScan& scan) {
  while (scan.at < scan.html.size()) {
    if (!scan.rawElement.empty()) {
      if (ReadRawText(scan)) return true;
      continue;
    }
    if (scan.html[scan.at] == '<' && BeginsMarkup(scan.html, scan.at)) {
      if (ReadMarkup(scan)) return true;
      continue;
    }
    ReadText(scan);
    if (!scan.token.text.empty()) return true;
  }
  return false;
}
