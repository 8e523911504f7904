// What a list file was when it was read, so that a later save can tell whether another program
// has changed it since. Portable: the platform fills the stamps, this compares them.
#pragma once

#include <cstdint>
#include <string_view>

struct FileStamp {
  bool exists = false;     // a file (not a folder) had that name
  bool read = false;       // all its bytes were read, so hash is theirs
  uint64_t size = 0;       // in bytes
  uint64_t lastWrite = 0;  // the platform's last-write time
  uint64_t hash = 0;       // FileContentHash of all its bytes
};

// A 64-bit hash of bytes, to tell files apart within one run of the program (it is never
// stored). A file read in pieces hashes to the same value when each piece continues from the
// hash of the pieces before it and every piece but the last is a multiple of 8 bytes long.
constexpr uint64_t kFileContentHashStart = 0xCBF29CE484222325u;
uint64_t FileContentHash(std::string_view bytes, uint64_t hash = kFileContentHashStart);

// Whether the file that gave `now` is still the one that gave `loaded`: both absent, or both
// present with the same size and the same bytes. When either could not be read to its end,
// an unchanged size and last-write time count as the same file.
bool IsUnchangedSince(const FileStamp& loaded, const FileStamp& now);
