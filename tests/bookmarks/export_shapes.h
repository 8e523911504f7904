// Bookmark exports made here, in the shapes Chrome (and Edge) and Firefox write them, from the
// Netscape bookmark file format as it is publicly described: the tests and the benchmark read
// them, never a file of a real person or of another program.
#pragma once

#include <string>
#include <vector>

struct ShapedLink {
  std::string href;   // as the browser keeps it
  std::string title;  // plain text; the shapes escape it as each browser does
};

struct ShapedFolder {
  std::string name;
  std::vector<ShapedLink> links;
  std::vector<ShapedFolder> folders;  // after the links
};

// Chrome's and Edge's shape: the generated-file comment, upper-case tags, ADD_DATE on every
// item, an ICON data URI on links, the toolbar folder marked PERSONAL_TOOLBAR_FOLDER, four
// blanks per level, "<DL><p>" and "</DL><p>". The root's folders are the top-level folders.
std::string ChromeShapedExport(const ShapedFolder& root);

// Firefox's shape: a second, lower-case <meta> for the content security policy, "Bookmarks
// Menu" as the heading, a place: query and a separator (<HR>) first, LAST_MODIFIED, ICON_URI,
// TAGS and a <DD> description beside links, and a closing "</DL>" without "<p>".
std::string FirefoxShapedExport(const ShapedFolder& root);
