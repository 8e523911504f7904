// What quillet-bookmarks needs of the platform: whole files, the code page of 8-bit lists and
// the decoders of the web's multi-byte character sets.
// One implementation for Windows (Quillet's own file access and code page) and one for POSIX
// systems. Paths are UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "list/file_status.h"
#include "list/list_file_form.h"

// Reads the whole file into bytes. Throws std::bad_alloc when it does not fit in memory.
FileReadStatus ReadFileBytes(const std::string& path, std::string& bytes);

// Writes the bytes to a new file beside the target and moves that over the target once it is
// complete, as Quillet saves: whatever fails, the target keeps what it held.
FileWriteStatus ReplaceFileBytes(const std::string& path, std::string_view bytes);

// True when a file or folder has that name.
bool PathExists(const std::string& path);

// True when a folder has that name.
bool IsFolder(const std::string& path);

// The platform's decoder of the web's multi-byte encodings (a MultiByteDecoder of
// export_encoding.h): each byte that begins no character becomes U+FFFD.
bool DecodeMultiByteText(std::string_view encodingName, std::string_view bytes, std::string& text,
                         std::vector<size_t>& replacedAt);

// The conversion of 8-bit list files, and its name for the help text.
const CodePageConversion& ListCodePage();
std::string ListCodePageDescription();
