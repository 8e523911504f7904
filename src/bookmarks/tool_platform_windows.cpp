// The Windows side of the tool: Quillet's own whole-file access and the system's code page.
#include <windows.h>

#include "bookmarks/tool_platform.h"
#include "dialog_layer/dialog_layer.h"
#include "list/code_page_text.h"
#include "list/list_file_access.h"

namespace {

// The Windows code page of one of the web's multi-byte encodings, 0 for none: the Encoding
// Standard's GBK and gb18030 are code page 54936, or, on systems without it (Wine), the
// two-byte part of it that code page 936 holds.
UINT CodePageOf(std::string_view encodingName) {
  struct Name {
    std::string_view web;
    UINT codePage;
  };
  static constexpr Name kNames[] = {{"Shift_JIS", 932}, {"EUC-JP", 20932}, {"ISO-2022-JP", 50220},
                                    {"GBK", 54936},     {"GBK", 936},      {"gb18030", 54936},
                                    {"gb18030", 936},   {"Big5", 950},     {"EUC-KR", 949}};
  for (const Name& name : kNames) {
    if (name.web == encodingName && IsValidCodePage(name.codePage)) return name.codePage;
  }
  return 0;
}

// The UTF-16 of bytes that are characters of the code page, all of them; empty when some are
// none. ISO-2022-JP takes no flag and so cannot tell.
std::wstring StrictlyDecoded(UINT codePage, const char* bytes, int size) {
  DWORD flags = codePage == 50220 ? 0 : MB_ERR_INVALID_CHARS;
  int length = MultiByteToWideChar(codePage, flags, bytes, size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, flags, bytes, size, wide.data(), length);
  return wide;
}

constexpr int kLongestCharacter = 4;  // bytes, in gb18030

}  // namespace

FileReadStatus ReadFileBytes(const std::string& path, std::string& bytes) {
  FileRead read = ReadWholeFile(path);
  bytes = std::move(read.bytes);
  return read.status;
}

FileWriteStatus ReplaceFileBytes(const std::string& path, std::string_view bytes) {
  return ReplaceWholeFile(path, bytes);
}

bool PathExists(const std::string& path) {
  return GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DecodeMultiByteText(std::string_view encodingName, std::string_view bytes, std::string& text,
                         std::vector<size_t>& replacedAt) {
  UINT codePage = CodePageOf(encodingName);
  if (codePage == 0) return false;
  if (bytes.empty()) return true;
  std::wstring whole = StrictlyDecoded(codePage, bytes.data(), static_cast<int>(bytes.size()));
  if (!whole.empty()) {
    text += ToUtf8(whole);
    return true;
  }
  // Some bytes begin no character: character by character, the shortest run of bytes that is
  // one, or U+FFFD for the first byte and the next one read afresh.
  for (size_t at = 0; at < bytes.size();) {
    int length = 1;
    std::wstring character;
    for (; length <= kLongestCharacter && at + length <= bytes.size(); ++length) {
      character = StrictlyDecoded(codePage, bytes.data() + at, length);
      if (!character.empty()) break;
    }
    if (character.empty()) {
      replacedAt.push_back(text.size());
      text += "\xEF\xBF\xBD";
      ++at;
    } else {
      text += ToUtf8(character);
      at += static_cast<size_t>(length);
    }
  }
  return true;
}

const CodePageConversion& ListCodePage() {
  return SystemCodePage();
}

std::string ListCodePageDescription() {
  return "of the system, as Quillet reads them (here " + std::to_string(SystemListCodePage()) + ")";
}
