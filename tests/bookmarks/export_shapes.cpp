#include "export_shapes.h"

namespace {

constexpr char kGeneratedFileComment[] =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<!-- This is an automatically generated file.\n"
    "     It will be read and overwritten.\n"
    "     DO NOT EDIT! -->\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n";

// Both browsers escape these five in titles and addresses.
std::string Escaped(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

struct Shape {
  std::string folderAttributes;
  std::string linkAttributes;
  std::string afterLink;  // what follows a link's line
  std::string listEnd;    // what closes a folder's <DL>
};

constexpr char kToolbarAttribute[] = " PERSONAL_TOOLBAR_FOLDER=\"true\"";

void AppendLink(const ShapedLink& link, const Shape& shape, const std::string& indent,
                std::string& html) {
  html += indent + "<DT><A HREF=\"" + Escaped(link.href) + "\"" + shape.linkAttributes + ">" +
          Escaped(link.title) + "</A>\n" + shape.afterLink;
}

// The folder's list; the first folder of the top level is the toolbar's.
void AppendFolder(const ShapedFolder& folder, const Shape& shape, const std::string& indent,
                  std::string& html) {
  html += indent + "<DL><p>\n";
  for (const ShapedLink& link : folder.links) AppendLink(link, shape, indent + "    ", html);
  for (const ShapedFolder& inner : folder.folders) {
    bool toolbar = indent.empty() && &inner == &folder.folders.front();
    html += indent + "    <DT><H3" + shape.folderAttributes + (toolbar ? kToolbarAttribute : "") +
            ">" + Escaped(inner.name) + "</H3>\n";
    AppendFolder(inner, shape, indent + "    ", html);
  }
  html += indent + shape.listEnd + "\n";
}

}  // namespace

std::string ChromeShapedExport(const ShapedFolder& root) {
  std::string html = kGeneratedFileComment;
  html += "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n";
  Shape shape = {" ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000100\"",
                 " ADD_DATE=\"1700000200\" ICON=\"data:image/png;base64,iVBORw0KGgoAAAANSUhEUg==\"",
                 "", "</DL><p>"};
  AppendFolder(root, shape, "", html);
  return html;
}

std::string FirefoxShapedExport(const ShapedFolder& root) {
  std::string html = kGeneratedFileComment;
  html +=
      "<meta http-equiv=\"Content-Security-Policy\"\n"
      "      content=\"default-src 'self'; script-src 'none'; img-src data: *; object-src "
      "'none'\"></meta>\n"
      "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks Menu</H1>\n\n";
  Shape shape = {" ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000100\"",
                 " ADD_DATE=\"1700000200\" LAST_MODIFIED=\"1700000300\" "
                 "ICON_URI=\"https://icons.example/favicon.ico\" TAGS=\"news,daily\"",
                 "        <DD>Kept for later\n", "</DL>"};
  // A query of the browser's own and a separator come first.
  std::string body;
  AppendFolder(root, shape, "", body);
  std::string first;
  AppendLink({"place:sort=8&maxResults=10", "Most Visited"}, shape, "    ", first);
  body.insert(body.find('\n') + 1, first + "    <HR>\n");
  return html + body;
}
