// The texts quillet-bookmarks reports: the one-line summaries, the help and the errors.
// Portable.
#pragma once

#include <cstdint>
#include <string>

#include "bookmarks/bookmark_export.h"
#include "bookmarks/tool_platform.h"

struct ImportCounts {
  int32_t added = 0;
  int32_t alreadyInList = 0;
  int32_t notWebAddress = 0;
  int32_t noAddress = 0;
  int32_t noHost = 0;
  int32_t unfit = 0;
  bool newList = false;          // the list was missing and has been made
  std::string encoding;          // the export's, as the Encoding Standard names it
  int32_t undecodableNames = 0;  // websites whose title held bytes that were no characters
};

// "Imported B into L: 3 websites added, 1 already in the list, 2 skipped (2 not http or
// https)." and, when titles held bytes that were no characters, " 1 name held bytes that are
// no UTF-8 text, shown as \uFFFD."
std::string ImportSummary(const std::string& exportPath, const std::string& listPath,
                          const ImportCounts& counts);
// "Exported L to B: 3 bookmarks written, 0 skipped."
std::string ExportSummary(const std::string& listPath, const std::string& htmlPath,
                          const ExportedBookmarks& exported);

// Why a file could not be read, as a sentence naming it.
std::string NotReadText(const std::string& path, FileReadStatus reading);
// Why a file could not be written, as a sentence naming it.
std::string NotWrittenText(const std::string& path, FileWriteStatus writing);

// The help of --help.
std::string HelpText();
// The short usage that follows a usage error.
std::string UsageText();
// What the program says when it is started from Explorer with no file dropped on it.
std::string DropHintText();
