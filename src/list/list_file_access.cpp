// Whole-file reading and replacing with the Win32 file API.
#include "list/list_file_access.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <new>

#include "dialog_layer/dialog_layer.h"

namespace {

// A 32-bit program cannot hold much more in one piece, and the list made of it besides.
constexpr int64_t kLargestReadableFile = int64_t{1} << 30;
// ReadFile and WriteFile take 32-bit counts; files are moved in pieces of at most this size.
constexpr size_t kLargestTransfer = size_t{1} << 30;
// Names tried for the new file beside the target before giving up.
constexpr int kTemporaryNameAttempts = 64;
// Piece size of reading a file only to hash it.
constexpr DWORD kHashPiece = DWORD{1} << 20;

uint64_t TimeValue(const FILETIME& time) {
  return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// Size and last-write time of the open file; its bytes are hashed by the caller.
FileStamp StampOfOpenFile(HANDLE file) {
  FileStamp stamp;
  BY_HANDLE_FILE_INFORMATION information;
  if (!GetFileInformationByHandle(file, &information)) return stamp;
  stamp.exists = true;
  stamp.size = (uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
  stamp.lastWrite = TimeValue(information.ftLastWriteTime);
  return stamp;
}

// Fills the piece from the file as far as it goes; false when reading fails.
bool ReadPiece(HANDLE file, std::string& piece, DWORD& filled) {
  filled = 0;
  while (filled < piece.size()) {
    DWORD read = 0;
    DWORD wanted = static_cast<DWORD>(piece.size()) - filled;
    if (!ReadFile(file, piece.data() + filled, wanted, &read, nullptr)) return false;
    if (read == 0) break;
    filled += read;
  }
  return true;
}

// Hashes the file's bytes from its start, a whole piece at a time (the hash continues across
// pieces of whole words only); false when they cannot all be read.
bool HashWholeFile(HANDLE file, uint64_t size, uint64_t& hash) {
  std::string piece(kHashPiece, '\0');
  uint64_t done = 0;
  hash = kFileContentHashStart;
  for (;;) {
    DWORD filled = 0;
    if (!ReadPiece(file, piece, filled)) return false;
    hash = FileContentHash(std::string_view(piece.data(), filled), hash);
    done += filled;
    if (filled < kHashPiece) return done == size;
  }
}

bool IsExistingFile(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Throws std::bad_alloc when the file is too big to be held in memory.
bool ReadAll(HANDLE file, std::string& bytes) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size)) return false;
  if (size.QuadPart > kLargestReadableFile) throw std::bad_alloc();
  bytes.resize(static_cast<size_t>(size.QuadPart));
  size_t filled = 0;
  while (filled < bytes.size()) {
    DWORD wanted = static_cast<DWORD>(std::min(bytes.size() - filled, kLargestTransfer));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data() + filled, wanted, &read, nullptr)) return false;
    if (read == 0) break;  // the file is shorter than its size said
    filled += read;
  }
  bytes.resize(filled);
  return true;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD wanted = static_cast<DWORD>(std::min(bytes.size() - done, kLargestTransfer));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, wanted, &written, nullptr)) return false;
    if (written != wanted) return false;
    done += written;
  }
  return true;
}

// The folder part of a path, separator included; empty for a bare file name.
std::wstring FolderOf(const std::wstring& path) {
  size_t separator = path.find_last_of(L"\\/:");
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

// Creates a new, empty file with a name of its own in the folder of the target, so that it
// can later be moved over the target without crossing volumes. Never opens an existing file.
HANDLE CreateFileBeside(const std::wstring& target, std::wstring& created) {
  std::wstring stem = FolderOf(target) + L"~ql" + std::to_wstring(GetCurrentProcessId()) + L"-";
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    created = stem + std::to_wstring(attempt) + L".tmp";
    HANDLE file = CreateFileW(created.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  created.clear();
  return INVALID_HANDLE_VALUE;
}

// Writes the bytes into a new file beside the target and flushes them to disk; the name of
// the new file goes to written. False, with nothing left behind, when any step fails.
bool WriteFileBeside(const std::wstring& target, std::string_view bytes, std::wstring& written) {
  HANDLE file = CreateFileBeside(target, written);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool complete = WriteAll(file, bytes) && FlushFileBuffers(file);
  complete = CloseHandle(file) && complete;
  if (!complete) DeleteFileW(written.c_str());
  return complete;
}

}  // namespace

FileRead ReadWholeFile(const std::string& path) {
  std::wstring widePath = ToWide(path);
  FileRead result;
  HANDLE file = CreateFileW(widePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    result.status =
        IsExistingFile(widePath) ? FileReadStatus::kUnreadable : FileReadStatus::kMissing;
    result.stamp.exists = result.status == FileReadStatus::kUnreadable;
    return result;
  }
  bool complete = false;
  result.stamp = StampOfOpenFile(file);
  try {
    complete = ReadAll(file, result.bytes);
  } catch (...) {
    CloseHandle(file);  // the file must not stay locked
    throw;
  }
  CloseHandle(file);
  result.status = complete ? FileReadStatus::kRead : FileReadStatus::kUnreadable;
  if (!complete) result.bytes.clear();
  result.stamp.exists = true;
  result.stamp.read = complete;
  if (complete) {
    result.stamp.size = result.bytes.size();
    result.stamp.hash = FileContentHash(result.bytes);
  }
  return result;
}

FileStamp CurrentFileStamp(const std::string& path, uint64_t sizeToHash) {
  std::wstring widePath = ToWide(path);
  // Only looked at, for a moment: other programs may go on reading and writing it meanwhile.
  HANDLE file = CreateFileW(widePath.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    // Held open by another program, or no permission: its size and time are all there is.
    FileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(widePath.c_str(), GetFileExInfoStandard, &data)) return stamp;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return stamp;
    stamp.exists = true;
    stamp.size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    stamp.lastWrite = TimeValue(data.ftLastWriteTime);
    return stamp;
  }
  FileStamp stamp = StampOfOpenFile(file);
  if (stamp.exists && stamp.size == sizeToHash) {
    stamp.read = HashWholeFile(file, stamp.size, stamp.hash);
  }
  CloseHandle(file);
  return stamp;
}

FileWriteStatus ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  std::wstring target = ToWide(path);
  // Checked here because the platform does not always enforce it (an administrator, or root
  // under Wine, may write over a read-only file).
  DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileWriteStatus::kFolder;
    if (attributes & FILE_ATTRIBUTE_READONLY) return FileWriteStatus::kReadOnly;
  }
  std::wstring written;
  if (!WriteFileBeside(target, bytes, written)) return FileWriteStatus::kFailed;
  // Not ReplaceFileW: Wine's removes the target before moving the new file in.
  if (MoveFileExW(written.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return FileWriteStatus::kWritten;
  }
  DeleteFileW(written.c_str());
  return FileWriteStatus::kFailed;
}
