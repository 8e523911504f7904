// The Windows side of the tool: Quillet's own whole-file access and the system's code page.
#include <windows.h>

#include "bookmarks/tool_platform.h"
#include "dialog_layer/dialog_layer.h"
#include "list/code_page_text.h"
#include "list/list_file_access.h"

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

const CodePageConversion& ListCodePage() {
  return SystemCodePage();
}

std::string ListCodePageDescription() {
  return "of the system, as Quillet reads them (here " + std::to_string(SystemListCodePage()) + ")";
}
