#include "bookmarks/bookmark_export.h"

#include <string_view>

#include "bookmarks/html_text.h"
#include "bookmarks/import_rules.h"
#include "list/list_format.h"

namespace {

constexpr std::string_view kHead =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<!-- Written by quillet-bookmarks from a Quillet list. -->\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
    "<TITLE>Bookmarks</TITLE>\n"
    "<H1>Bookmarks</H1>\n"
    "<DL><p>\n";
constexpr std::string_view kTail = "</DL><p>\n";

void AppendLink(std::string_view scheme, std::string_view url, std::string_view name,
                std::string& html) {
  html.append("    <DT><A HREF=\"").append(scheme);
  AppendHtmlEscaped(url, html);
  html.append("\">");
  AppendHtmlEscaped(name, html);
  html.append("</A>\n");
}

}  // namespace

ExportedBookmarks BookmarkFileOfEntries(const EntryStore& entries) {
  ExportedBookmarks exported;
  exported.html.reserve(kHead.size() + kTail.size() + entries.text.size() +
                        entries.ends.size() * 32);
  exported.html.append(kHead);
  for (int32_t entry = 1; entry <= StoredEntries(entries); ++entry) {
    std::string_view url = EntryUrl(entries, entry);
    std::string_view scheme;
    if (StartsWithIgnoringCase(url, "www.")) {
      scheme = "http://";
      ++exported.schemeGiven;
    } else if (!IsWebAddress(url)) {
      ++exported.notWebAddress;
      continue;
    }
    AppendLink(scheme, url, EntryName(entries, entry), exported.html);
    ++exported.written;
  }
  exported.html.append(kTail);
  return exported;
}
