#include "bookmarks/bookmark_file.h"

#include "bookmarks/html_tags.h"
#include "bookmarks/html_text.h"

namespace {

// The link of an <A> tag and its text, which runs to the next markup.
Bookmark BookmarkOfLink(std::string_view html, const StartTag& tag) {
  Bookmark bookmark;
  std::string_view address;
  if (FindAttribute(tag.attributes, "href", address)) AppendHtmlDecoded(address, bookmark.address);
  size_t textEnd = NextMarkup(html, tag.end);
  AppendHtmlDecoded(html.substr(tag.end, textEnd - tag.end), bookmark.title);
  return bookmark;
}

}  // namespace

BookmarkExport ReadBookmarkExport(std::string_view html) {
  BookmarkExport found;
  found.recognised = BeginsWithDoctype(html, kBookmarkDoctype);
  if (!found.recognised) return found;
  StartTag tag;
  for (size_t at = 0; NextStartTag(html, at, tag); at = tag.end) {
    if (EqualsIgnoringCase(tag.name, "a")) found.bookmarks.push_back(BookmarkOfLink(html, tag));
  }
  return found;
}
