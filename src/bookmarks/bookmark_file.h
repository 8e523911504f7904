// A browser's bookmark export, the Netscape bookmark file ("bookmarks.html") that Chrome,
// Edge, Firefox and Safari write and read: a doctype, then folders (<DT><H3>name</H3> and a
// nested <DL>) holding links (<DT><A HREF="...">title</A>). Portable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The declaration every bookmark export begins with, after "<!DOCTYPE ".
constexpr std::string_view kBookmarkDoctype = "netscape-bookmark-file-1";

struct Bookmark {
  std::string address;  // the link's HREF, references decoded; empty when it has none
  std::string title;    // the link's text up to the next tag, references decoded
};

struct BookmarkExport {
  bool recognised = false;  // the text begins with the bookmark file's doctype
  std::vector<Bookmark> bookmarks;
};

// The links of an export's text (UTF-8), in the order the file holds them, from every folder
// however deep. Tags and attribute names count in any letter case, attributes in any order.
// Text that is no bookmark export is not recognised and gives no links.
BookmarkExport ReadBookmarkExport(std::string_view html);
