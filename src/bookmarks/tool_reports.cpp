#include "bookmarks/tool_reports.h"

#include <vector>

#include "quillet_version.h"

namespace {

// "1 website", "3 websites".
std::string Counted(int32_t count, const std::string& thing) {
  return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

// " (2 not http or https, 1 without an address)" for the reasons that count; empty for none.
std::string Reasons(const std::vector<std::pair<int32_t, std::string>>& reasons) {
  std::string text;
  for (const auto& [count, reason] : reasons) {
    if (count == 0) continue;
    text += (text.empty() ? " (" : ", ") + std::to_string(count) + " " + reason;
  }
  return text.empty() ? text : text + ")";
}

}  // namespace

std::string ImportSummary(const std::string& exportPath, const std::string& listPath,
                          const ImportCounts& counts) {
  int32_t skipped = counts.notWebAddress + counts.noAddress + counts.noHost + counts.unfit;
  std::string undecodable;
  if (counts.undecodableNames > 0) {
    undecodable = " " + Counted(counts.undecodableNames, "name") +
                  (counts.undecodableNames == 1 ? " holds" : " hold") + " bytes that are no " +
                  counts.encoding + " text, shown as \xEF\xBF\xBD.";
  }
  return "Imported " + exportPath + " into " + listPath + (counts.newList ? " (a new list)" : "") +
         ": " + Counted(counts.added, "website") + " added, " +
         std::to_string(counts.alreadyInList) + " already in the list, " + std::to_string(skipped) +
         " skipped" +
         Reasons({{counts.notWebAddress, "not http or https"},
                  {counts.noAddress, "without an address"},
                  {counts.noHost, "without a host"},
                  {counts.unfit, "with characters the list's code page cannot hold"}}) +
         "." + undecodable;
}

std::string ExportSummary(const std::string& listPath, const std::string& htmlPath,
                          const ExportedBookmarks& exported) {
  std::string given = Reasons({{exported.schemeGiven, "www. given http://"}});
  return "Exported " + listPath + " to " + htmlPath + ": " + Counted(exported.written, "bookmark") +
         " written" + given + ", " + std::to_string(exported.notWebAddress) + " skipped" +
         Reasons({{exported.notWebAddress, "not http, https or www."}}) + ".";
}

std::string NotReadText(const std::string& path, FileReadStatus reading) {
  if (reading == FileReadStatus::kMissing && IsFolder(path))
    return path + " is a folder, not a file.";
  if (reading == FileReadStatus::kMissing) return "There is no file " + path + ".";
  return path + " could not be read.";
}

std::string NotWrittenText(const std::string& path, FileWriteStatus writing) {
  switch (writing) {
    case FileWriteStatus::kReadOnly:
      return path + " is read-only; it was left as it was.";
    case FileWriteStatus::kFolder:
      return "A folder is named " + path + "; nothing was written.";
    default:
      return path + " could not be written (no such folder, no room or no permission); " +
             "nothing was changed.";
  }
}

std::string UsageText() {
  return "Usage: quillet-bookmarks import BOOKMARKS.html LIST.txt\n"
         "       quillet-bookmarks export LIST.txt BOOKMARKS.html\n"
         "       quillet-bookmarks FILE\n"
         "       quillet-bookmarks --help";
}

std::string HelpText() {
  return "quillet-bookmarks " QUILLET_VERSION_TEXT
         ": a browser's bookmarks into a Quillet list, and back.\n\n" +
         UsageText() +
         "\n\n"
         "import  adds the websites of a bookmark export (the bookmarks.html that Chrome, Edge,\n"
         "        Firefox and Safari export) to the list, making it when it is missing. Every\n"
         "        line of the list stays as it was; the new websites follow at its end, in the\n"
         "        list's own encoding and line ends. Only http and https addresses are taken;\n"
         "        a website already in the list (the same URL) is not added again. The title\n"
         "        becomes the name; folders are not kept.\n"
         "export  writes the list's websites, in list order, as a bookmark file (UTF-8) that\n"
         "        any browser imports. It never replaces a file that exists.\n"
         "FILE    does what dropping FILE on the program does: a list (.txt) is exported to\n"
         "        the same name with .html beside it (\"name (2).html\" when that is taken),\n"
         "        anything else is imported into the same name with .txt beside it.\n\n"
         "A list that holds only ASCII text takes new names beyond ASCII as UTF-8. A list in\n"
         "a code page that holds other characters keeps its code page, and websites it cannot\n"
         "hold are skipped and counted. Lists in neither UTF-8 nor UTF-16 are read and\n"
         "written in the code page " +
         ListCodePageDescription() +
         ".\n\n"
         "Exit codes: 0 done; 1 a file is not what it should be, and nothing was written;\n"
         "2 wrong usage.";
}

std::string DropHintText() {
  return "Drop a browser's bookmark export (bookmarks.html) on quillet-bookmarks to make a "
         "Quillet list of it beside it, or drop a list (.txt) to make a bookmark file of it.\n\n"
         "In the Command Prompt, \"quillet-bookmarks --help\" tells more.";
}
