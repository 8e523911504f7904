// The default list file: its fixed name, the product folder it lies in, the rules of the
// existence test that need no file system, and the message shown when it is missing.
// Portable: no platform calls.
#pragma once

#include <string>
#include <string_view>

// The list file that the main dialog loads right after start-up.
constexpr char kDefaultListName[] = "myQuillet.txt";

// The product's folder below a special folder; it begins and ends with a backslash, so it is
// joined to a special-folder path (which has no trailing backslash) by plain concatenation.
constexpr char kProductSubfolder[] = "\\Brelmont\\myQuillet\\";

// The longest module path the program folder is taken from; longer paths are cut first.
constexpr size_t kMaxModulePath = 260;

// The folder of a file path: everything up to and including its last backslash, after the
// path has been cut to kMaxModulePath characters. Empty when there is no backslash.
std::wstring FolderOfPath(std::wstring_view path);

// The checks of the existence test that look only at the text: not empty, no "?" or "*",
// not ending in ":". A path that fails them names no existing file.
bool CanNameExistingFile(std::string_view path);

// The message shown when the default list file is missing: four lines joined by CR LF.
std::string NotFoundText();
