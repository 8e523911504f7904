// The POSIX side of the tool: whole files through open, read, write and rename, and the
// Western code page, which is what Wine gives a Windows program under the C and en_US locales.
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

#include "bookmarks/tool_platform.h"
#include "list/western_code_page.h"

namespace {

constexpr int kTemporaryNameAttempts = 64;

bool ReadAll(int file, std::string& bytes) {
  struct stat status;
  if (fstat(file, &status) != 0) return false;
  bytes.clear();
  bytes.reserve(static_cast<size_t>(status.st_size));
  char piece[1 << 16];
  for (;;) {
    ssize_t read = ::read(file, piece, sizeof(piece));
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return false;
    if (read == 0) return true;
    bytes.append(piece, static_cast<size_t>(read));
  }
}

bool WriteAll(int file, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t written = ::write(file, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  size_t separator = path.rfind('/');
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// Creates a new file with a name of its own beside the target, so that it can be renamed over
// the target; its name goes to created. -1 when none can be made.
int CreateFileBeside(const std::string& target, mode_t mode, std::string& created) {
  std::string stem = FolderOf(target) + ".~qb" + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    created = stem + std::to_string(attempt) + ".tmp";
    int file = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (file >= 0) return file;
    if (errno != EEXIST) break;
  }
  created.clear();
  return -1;
}

// The iconv names of the web's multi-byte encodings: the Encoding Standard's Shift_JIS is
// Windows' code page 932, its GBK is read as gb18030, its Big5 is Big5-HKSCS and its EUC-KR is
// code page 949.
const char* IconvName(std::string_view encodingName) {
  struct Name {
    std::string_view web;
    const char* iconv;
  };
  static constexpr Name kNames[] = {
      {"Shift_JIS", "CP932"}, {"EUC-JP", "EUC-JP"},   {"ISO-2022-JP", "ISO-2022-JP"},
      {"GBK", "GB18030"},     {"gb18030", "GB18030"}, {"Big5", "BIG5-HKSCS"},
      {"EUC-KR", "CP949"}};
  for (const Name& name : kNames) {
    if (name.web == encodingName) return name.iconv;
  }
  return nullptr;
}

// Converts as much as iconv takes; false when it stopped at bytes that are no character.
bool ConvertRun(iconv_t converter, const char*& in, size_t& inLeft, std::string& text) {
  char out[4096];
  for (;;) {
    char* outAt = out;
    size_t outLeft = sizeof(out);
    size_t result = iconv(converter, const_cast<char**>(&in), &inLeft, &outAt, &outLeft);
    text.append(out, static_cast<size_t>(outAt - out));
    if (result != static_cast<size_t>(-1)) return true;
    if (errno != E2BIG) return false;
  }
}

}  // namespace

FileReadStatus ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  struct stat status;
  if (stat(path.c_str(), &status) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? FileReadStatus::kMissing
                                               : FileReadStatus::kUnreadable;
  }
  if (S_ISDIR(status.st_mode)) return FileReadStatus::kMissing;
  int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return FileReadStatus::kUnreadable;
  bool complete = ReadAll(file, bytes);
  close(file);
  if (!complete) bytes.clear();
  return complete ? FileReadStatus::kRead : FileReadStatus::kUnreadable;
}

FileWriteStatus ReplaceFileBytes(const std::string& path, std::string_view bytes) {
  struct stat status;
  const bool replacing = stat(path.c_str(), &status) == 0;
  if (replacing && S_ISDIR(status.st_mode)) return FileWriteStatus::kFolder;
  // Checked here, not left to the system: root may write over a read-only file.
  if (replacing && (status.st_mode & 0222) == 0) return FileWriteStatus::kReadOnly;
  std::string written;
  int file = CreateFileBeside(path, 0666, written);  // a new list: 0666 less the umask
  if (file < 0) return FileWriteStatus::kFailed;
  bool complete = WriteAll(file, bytes) && fsync(file) == 0;
  // A replaced list keeps its permissions.
  if (complete && replacing) complete = fchmod(file, status.st_mode & 07777) == 0;
  complete = close(file) == 0 && complete;
  if (complete && rename(written.c_str(), path.c_str()) == 0) return FileWriteStatus::kWritten;
  unlink(written.c_str());
  return FileWriteStatus::kFailed;
}

bool PathExists(const std::string& path) {
  struct stat status;
  return lstat(path.c_str(), &status) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool DecodeMultiByteText(std::string_view encodingName, std::string_view bytes, std::string& text,
                         std::vector<size_t>& replacedAt) {
  const char* name = IconvName(encodingName);
  iconv_t converter = name ? iconv_open("UTF-8", name) : reinterpret_cast<iconv_t>(-1);
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  const char* in = bytes.data();
  size_t inLeft = bytes.size();
  while (!ConvertRun(converter, in, inLeft, text)) {
    // A byte that begins no character, or a character cut short by the end: one U+FFFD, and
    // the next byte is read afresh.
    replacedAt.push_back(text.size());
    text += "\xEF\xBF\xBD";
    if (errno == EINVAL) break;
    ++in;
    --inLeft;
  }
  iconv_close(converter);
  return true;
}

const CodePageConversion& ListCodePage() {
  return WesternCodePage();
}

std::string ListCodePageDescription() {
  return "Western (Windows-1252), which Wine gives Quillet\nunder the C and en_US locales";
}
