// The commands of quillet-bookmarks: import a bookmark export into a list, export a list as a
// bookmark file, and a dropped file, each giving an exit code and one text. Portable: the
// files are reached through tool_platform.h.
#pragma once

#include <string>
#include <vector>

constexpr int kExitDone = 0;
constexpr int kExitBadInput = 1;  // a file is not what it should be; nothing was written
constexpr int kExitUsage = 2;

struct ToolOutcome {
  int exitCode = kExitDone;
  std::string text;  // the summary, the help, or what went wrong
};

// Runs the command of the arguments (the program's name not among them):
//   import BOOKMARKS.html LIST.txt | export LIST.txt BOOKMARKS.html | FILE | --help
ToolOutcome RunTool(const std::vector<std::string>& arguments);

// Merges the export's websites into the list, which is made when missing.
ToolOutcome ImportBookmarks(const std::string& exportPath, const std::string& listPath);
// Writes the list's websites as a new bookmark file; a file that exists is never replaced.
ToolOutcome ExportList(const std::string& listPath, const std::string& htmlPath);
// What dropping the file on the program does: a list (.txt) is exported beside itself as
// .html (as "name (2).html" and so on when that name is taken); any other file is imported
// into the list of its name with .txt, beside it.
ToolOutcome OpenDroppedFile(const std::string& path);

// The path with its file name's extension (from its last dot on) replaced; the extension is
// added when the name has none.
std::string WithExtension(const std::string& path, const std::string& extension);
