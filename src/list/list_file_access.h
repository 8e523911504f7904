// File access for list files: reading a whole file, and replacing a whole file so that a
// failed write never damages the file that was there. Paths are the program's UTF-8 text, so
// they may hold any character a file name can.
#pragma once

#include <string>
#include <string_view>

#include "list/file_stamp.h"
#include "list/file_status.h"

struct FileRead {
  FileReadStatus status = FileReadStatus::kMissing;
  std::string bytes;
  FileStamp stamp;  // the file as it was read, its bytes hashed as they are on disk
};

// Reads the whole file, opened for reading without sharing while it is read. Throws
// std::bad_alloc when the file is too big to be held in memory.
FileRead ReadWholeFile(const std::string& path);

// The file as it is now. Its bytes are read and hashed, piece by piece, only when its size is
// sizeToHash: a file of another size differs whatever its bytes are.
FileStamp CurrentFileStamp(const std::string& path, uint64_t sizeToHash);

// Writes the bytes to a new file beside the target and moves it over the target. Whatever
// fails, the target keeps its old content and no new file is left behind.
FileWriteStatus ReplaceWholeFile(const std::string& path, std::string_view bytes);
