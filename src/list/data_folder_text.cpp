#include "list/data_folder_text.h"

std::wstring FolderOfPath(std::wstring_view path) {
  std::wstring_view cut = path.substr(0, kMaxModulePath);
  size_t backslash = cut.rfind(L'\\');
  if (backslash == std::wstring_view::npos) return {};
  return std::wstring(cut.substr(0, backslash + 1));
}

bool CanNameExistingFile(std::string_view path) {
  if (path.empty()) return false;
  if (path.find_first_of("?*") != std::string_view::npos) return false;
  return path.back() != ':';
}

std::string NotFoundText() {
  std::string text = "Opening file (";
  text += kDefaultListName;
  text +=
      ") not found\r\n"
      "\r\n"
      "... begin adding websites, such as:\r\n"
      "https://www.example.com, Example Site";
  return text;
}
