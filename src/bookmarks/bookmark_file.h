// A browser's bookmark export, the Netscape bookmark file ("bookmarks.html") that Chrome,
// Edge, Firefox and Safari write and read: a doctype, then folders (<DT><H3>name</H3> and a
// nested <DL>) holding links (<DT><A HREF="...">title</A>). Read as HTML's tokenizer reads it.
// Portable.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The doctype's name of every bookmark export, in lower case.
constexpr std::string_view kBookmarkDoctype = "netscape-bookmark-file-1";

struct Bookmark {
  std::string address;       // the link's HREF, references decoded; empty when it has none
  std::string title;         // the link's text, references decoded
  bool undecodable = false;  // the title held bytes that were no characters (now U+FFFD)
};

struct BookmarkExport {
  // The text begins with the bookmark file's doctype (after blanks and comments), or holds its
  // structure: a link with an HREF in a <DT> of a <DL>.
  bool recognised = false;
  std::vector<Bookmark> bookmarks;
};

// The links of an export's text (UTF-8), in the order the file holds them, from every folder
// however deep. A link's title is the text of the link to its </A>, with the text of tags
// inside it ("a <b>bold</b> title"), and ends too where another link, a folder or an entry
// (A, DL, DT, DD, H1 to H6, HR) begins or ends; a <BR> in it is a blank. Text that is no
// markup (script, style, textarea and the like, comments) holds no links and adds to no title.
// replacedAt lists, in ascending order, where the text holds a U+FFFD that stands for bytes
// that were no characters; a title with one of them is marked undecodable. Text that is no
// bookmark export is not recognised and gives no links.
BookmarkExport ReadBookmarkExport(std::string_view html,
                                  const std::vector<size_t>& replacedAt = {});
