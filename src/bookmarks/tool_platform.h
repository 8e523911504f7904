// What quillet-bookmarks needs of the platform: whole files and the code page of 8-bit lists.
// One implementation for Windows (Quillet's own file access and code page) and one for POSIX
// systems. Paths are UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "list/list_file_form.h"

enum class FileReading {
  kRead,
  kMissing,     // no file of that name (a folder counts as none)
  kUnreadable,  // it exists but could not be read to its end
};

// Reads the whole file into bytes. Throws std::bad_alloc when it does not fit in memory.
FileReading ReadFileBytes(const std::string& path, std::string& bytes);

enum class FileWriting {
  kWritten,
  kReadOnly,  // the file is marked read-only; it was not touched
  kFolder,    // a folder has that name
  kFailed,    // it could not be written; the file that was there is unchanged
};

// Writes the bytes to a new file beside the target and moves that over the target once it is
// complete, as Quillet saves: whatever fails, the target keeps what it held.
FileWriting ReplaceFileBytes(const std::string& path, std::string_view bytes);

// True when a file or folder has that name.
bool PathExists(const std::string& path);

// The conversion of 8-bit list files, and its name for the help text.
const CodePageConversion& ListCodePage();
std::string ListCodePageDescription();
