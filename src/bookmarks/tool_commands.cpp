#include "bookmarks/tool_commands.h"

#include <new>
#include <utility>

#include "bookmarks/bookmark_export.h"
#include "bookmarks/bookmark_file.h"
#include "bookmarks/export_encoding.h"
#include "bookmarks/list_merge.h"
#include "bookmarks/tool_platform.h"
#include "bookmarks/tool_reports.h"
#include "list/list_format.h"
#include "list/list_file_model.h"

namespace {

// Names tried for a dropped list's bookmark file: "name.html", then "name (2).html" to this.
constexpr int kLastExportNumber = 99;

constexpr char kNothingWritten[] = " Nothing was written.";
constexpr char kLeftAlone[] = " It was left as it was.";

ToolOutcome Done(std::string text) {
  return {kExitDone, std::move(text)};
}

ToolOutcome BadInput(std::string text) {
  return {kExitBadInput, std::move(text)};
}

ToolOutcome UsageError(const std::string& problem) {
  return {kExitUsage, problem + "\n" + UsageText()};
}

std::string NotAListText(const std::string& path) {
  return path + " is not a list: the name of a list file ends in .txt.";
}

std::vector<Website> WebsitesOf(const BookmarkExport& found, ImportCounts& counts) {
  std::vector<Website> websites;
  websites.reserve(found.bookmarks.size());
  Website website;
  for (const Bookmark& bookmark : found.bookmarks) {
    switch (WebsiteOfBookmark(bookmark, website)) {
      case SkipReason::kNone:
        if (bookmark.undecodable) ++counts.undecodableNames;
        websites.push_back(std::move(website));
        break;
      case SkipReason::kNotWebAddress:
        ++counts.notWebAddress;
        break;
      case SkipReason::kNoAddress:
        ++counts.noAddress;
        break;
      case SkipReason::kNoHost:
        ++counts.noHost;
        break;
    }
  }
  return websites;
}

// The bookmark export's websites; false, with the reason in problem, when the file is none.
bool ReadExportWebsites(const std::string& exportPath, std::vector<Website>& websites,
                        ImportCounts& counts, std::string& problem) {
  std::string bytes;
  FileReadStatus reading = ReadFileBytes(exportPath, bytes);
  if (reading != FileReadStatus::kRead) {
    problem = NotReadText(exportPath, reading);
    return false;
  }
  DecodedExport decoded = DecodeExport(bytes, DecodeMultiByteText);
  counts.encoding = decoded.encoding;
  if (!decoded.readable) {
    // The Encoding Standard reads the labels of ISO-2022-KR, ISO-2022-CN and HZ-GB-2312 as its
    // "replacement" encoding, whose name the user never wrote.
    problem = decoded.encoding == "replacement"
                  ? exportPath +
                        " declares a character set that browsers do not read (such as "
                        "ISO-2022-KR or HZ-GB-2312), so quillet-bookmarks cannot read it either."
                  : exportPath + " is written in the character set " + decoded.encoding +
                        ", which quillet-bookmarks cannot read.";
    return false;
  }
  bytes = std::string();
  BookmarkExport found = ReadBookmarkExport(decoded.text, decoded.replacedAt);
  if (!found.recognised) {
    problem = exportPath + " is not a browser's bookmark export: it neither begins with " +
              "<!DOCTYPE NETSCAPE-Bookmark-file-1> nor holds a bookmark list (<DL> with " +
              "<DT><A HREF=...> in it).";
    return false;
  }
  websites = WebsitesOf(found, counts);
  return true;
}

// A name for the bookmark file of a dropped list that no file has yet; empty when there is
// none.
std::string FreeExportName(const std::string& listPath) {
  const std::string stem = WithExtension(listPath, "");
  std::string candidate = stem + ".html";
  for (int number = 2; PathExists(candidate); ++number) {
    if (number > kLastExportNumber) return {};
    candidate = stem + " (" + std::to_string(number) + ").html";
  }
  return candidate;
}

ToolOutcome RunCommand(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return UsageError("Name a command or a file.");
  const std::string& command = arguments[0];
  if (command == "--help" || command == "-h" || command == "/?") {
    if (arguments.size() == 1) return Done(HelpText());
    return UsageError("--help takes nothing after it.");
  }
  if (command == "import" || command == "export") {
    if (arguments.size() != 3) return UsageError(command + " takes two files.");
    if (command == "import") return ImportBookmarks(arguments[1], arguments[2]);
    return ExportList(arguments[1], arguments[2]);
  }
  if (arguments.size() == 1 && !command.empty() && command[0] != '-') {
    return OpenDroppedFile(command);
  }
  // Explorer passes every file dropped at once.
  if (PathExists(command)) return UsageError("One file at a time, please.");
  return UsageError("Unknown command: " + command);
}

}  // namespace

ToolOutcome RunTool(const std::vector<std::string>& arguments) {
  try {
    return RunCommand(arguments);
  } catch (const std::bad_alloc&) {
    return BadInput(std::string("There is not enough memory for this.") + kNothingWritten);
  }
}

ToolOutcome ImportBookmarks(const std::string& exportPath, const std::string& listPath) {
  if (!HasTextExtension(listPath)) return BadInput(NotAListText(listPath) + kNothingWritten);
  if (IsFolder(listPath)) {
    return BadInput(listPath + " is a folder, not a list file." + kNothingWritten);
  }
  if (exportPath == listPath) {
    return BadInput("The export and the list are the same file, " + listPath + "." +
                    kNothingWritten);
  }
  std::vector<Website> websites;
  ImportCounts counts;
  std::string problem;
  if (!ReadExportWebsites(exportPath, websites, counts, problem)) {
    return BadInput(problem + kNothingWritten);
  }
  std::string listBytes;
  FileReadStatus reading = ReadFileBytes(listPath, listBytes);
  if (reading == FileReadStatus::kUnreadable)
    return BadInput(NotReadText(listPath, reading) + kLeftAlone);
  counts.newList = reading == FileReadStatus::kMissing;
  MergedList merged = MergeWebsites(listBytes, websites, ListCodePage());
  if (!merged.exact) {
    return BadInput(listPath + " holds characters that Quillet cannot keep as they are, so it " +
                    "never saves over it." + kLeftAlone);
  }
  if (counts.newList || merged.added > 0) {
    FileWriteStatus writing = ReplaceFileBytes(listPath, merged.bytes);
    if (writing != FileWriteStatus::kWritten) return BadInput(NotWrittenText(listPath, writing));
  }
  counts.added = merged.added;
  counts.alreadyInList = merged.alreadyInList;
  counts.unfit = merged.unfit;
  return Done(ImportSummary(exportPath, listPath, counts));
}

ToolOutcome ExportList(const std::string& listPath, const std::string& htmlPath) {
  if (!HasTextExtension(listPath)) return BadInput(NotAListText(listPath) + kNothingWritten);
  // Checked before anything is written; a file made in the moment between the check and the
  // write would still be replaced.
  if (PathExists(htmlPath)) {
    return BadInput(htmlPath + " already exists, and it is not replaced: name a new file." +
                    kNothingWritten);
  }
  std::string bytes;
  FileReadStatus reading = ReadFileBytes(listPath, bytes);
  if (reading != FileReadStatus::kRead)
    return BadInput(NotReadText(listPath, reading) + kNothingWritten);
  ListFile list = ReadListFile(std::move(bytes), ListCodePage());
  if (!list.exact) {
    return BadInput(listPath + " holds characters that Quillet cannot read as they are." +
                    kNothingWritten);
  }
  ExportedBookmarks exported = BookmarkFileOfEntries(list.entries);
  FileWriteStatus writing = ReplaceFileBytes(htmlPath, exported.html);
  if (writing != FileWriteStatus::kWritten) return BadInput(NotWrittenText(htmlPath, writing));
  return Done(ExportSummary(listPath, htmlPath, exported));
}

ToolOutcome OpenDroppedFile(const std::string& path) {
  if (!HasTextExtension(path)) return ImportBookmarks(path, WithExtension(path, ".txt"));
  std::string htmlPath = FreeExportName(path);
  if (htmlPath.empty()) {
    return BadInput("Every name from " + WithExtension(path, ".html") + " to (" +
                    std::to_string(kLastExportNumber) + ") is taken." + kNothingWritten);
  }
  return ExportList(path, htmlPath);
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  size_t nameStart = path.find_last_of("/\\:");
  nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
  size_t dot = path.rfind('.');
  bool hasExtension = dot != std::string::npos && dot > nameStart;
  return (hasExtension ? path.substr(0, dot) : path) + extension;
}
