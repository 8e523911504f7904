// How reading or replacing a whole file ended: what every implementation of whole-file access
// reports, the program's (Win32) and the bookmarks tool's own on other systems. Portable.
#pragma once

enum class FileReadStatus {
  kRead,        // bytes holds the whole file
  kMissing,     // no file of that name (a folder counts as no file)
  kUnreadable,  // the file exists but could not be opened or read to its end
};

enum class FileWriteStatus {
  kWritten,   // the file now holds exactly the bytes
  kReadOnly,  // the file has the read-only attribute; it was not touched
  kFolder,    // a folder has that name; it was not touched
  kFailed,    // creating, writing or moving into place failed; the old file is unchanged
};
