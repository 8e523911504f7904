// Test support: scratch folders below the temporary folder, whole-file reads and writes, and a
// file held open as another program might hold it.
#pragma once

#include <windows.h>

#include <string>

// A new, empty folder below the temporary folder; its path ends with a backslash. Empty when
// it cannot be made.
std::wstring MakeScratchFolder(const std::wstring& prefix);
// Removes a folder and everything in it, read-only files included. Best effort.
void RemoveFolder(const std::wstring& folder);
// Writes bytes to a file, replacing it; false on failure.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The bytes of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::wstring& path);

// Holds a file open for reading without sharing until Release or the end of its life: the file
// exists but cannot be read or written.
struct HeldFile {
  explicit HeldFile(const std::wstring& path);
  ~HeldFile() { Release(); }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  void Release();
  HANDLE handle;
};
