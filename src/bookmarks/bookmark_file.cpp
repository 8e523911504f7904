#include "bookmarks/bookmark_file.h"

#include <algorithm>

#include "bookmarks/html_tokenizer.h"

namespace {

// Elements that end a link's title where they begin or end: the links, folders and entries of
// the bookmark file.
bool EndsTitle(std::string_view name) {
  for (std::string_view ending :
       {"a", "dl", "dt", "dd", "h1", "h2", "h3", "h4", "h5", "h6", "hr"}) {
    if (name == ending) return true;
  }
  return false;
}

bool IsBlankText(std::string_view text) {
  return text.find_first_not_of(" \t\n\f\r") == std::string_view::npos;
}

// True when some replaced character lies in [begin, end).
bool HoldsReplacement(const std::vector<size_t>& replacedAt, size_t begin, size_t end) {
  auto first = std::lower_bound(replacedAt.begin(), replacedAt.end(), begin);
  return first != replacedAt.end() && *first < end;
}

struct Reading {
  BookmarkExport found;
  bool inLink = false;        // the last bookmark's title is being read
  bool beforeContent = true;  // only blanks and comments so far
  bool doctype = false;
  int listDepth = 0;     // open <DL>s
  bool inEntry = false;  // a <DT> inside a <DL> has begun
};

void OnStartTag(const HtmlToken& tag, Reading& reading) {
  if (EndsTitle(tag.name)) reading.inLink = false;
  if (tag.name == "dl") ++reading.listDepth;
  if (tag.name == "dt") reading.inEntry = reading.listDepth > 0;
  if (tag.name == "br" && reading.inLink) reading.found.bookmarks.back().title.push_back(' ');
  if (tag.name != "a") return;
  const std::string* href = FindAttribute(tag, "href");
  if (href && reading.inEntry) reading.found.recognised = true;
  Bookmark bookmark;
  if (href) bookmark.address = *href;
  reading.found.bookmarks.push_back(std::move(bookmark));
  reading.inLink = true;
}

void OnEndTag(const HtmlToken& tag, Reading& reading) {
  if (EndsTitle(tag.name)) reading.inLink = false;
  if (tag.name == "dl" && reading.listDepth > 0) --reading.listDepth;
  if (tag.name == "dl" || tag.name == "dt") reading.inEntry = false;
}

void OnToken(const HtmlToken& token, const std::vector<size_t>& replacedAt, Reading& reading) {
  bool blank = token.kind == HtmlTokenKind::kText && IsBlankText(token.text);
  if (reading.beforeContent && !blank) {
    reading.doctype = token.kind == HtmlTokenKind::kDoctype && token.name == kBookmarkDoctype;
    reading.beforeContent = false;
  }
  switch (token.kind) {
    case HtmlTokenKind::kStartTag:
      OnStartTag(token, reading);
      break;
    case HtmlTokenKind::kEndTag:
      OnEndTag(token, reading);
      break;
    case HtmlTokenKind::kText:
      if (!reading.inLink) break;
      reading.found.bookmarks.back().title.append(token.text);
      if (HoldsReplacement(replacedAt, token.sourceBegin, token.sourceEnd)) {
        reading.found.bookmarks.back().undecodable = true;
      }
      break;
    case HtmlTokenKind::kDoctype:
      break;
  }
}

}  // namespace

BookmarkExport ReadBookmarkExport(std::string_view html, const std::vector<size_t>& replacedAt) {
  Reading reading;
  ForEachHtmlToken(html, [&](const HtmlToken& token) { OnToken(token, replacedAt, reading); });
  reading.found.recognised = reading.found.recognised || reading.doctype;
  if (!reading.found.recognised) reading.found.bookmarks.clear();
  return std::move(reading.found);
}
