// Test support: where the platform puts its special folders, for the tests that look there for
// what the installer or the program made.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

// The path of a shell special folder (CSIDL value), without a trailing backslash; empty when the
// lookup fails.
inline std::wstring SpecialFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return path;
}
