#include "list/list_format.h"

#include "list/unicode_text.h"

namespace {

constexpr size_t kMaxPathLength = 260;  // in the platform's UTF-16 units

}  // namespace

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix) {
  if (text.size() < lowerPrefix.size()) return false;
  for (size_t i = 0; i < lowerPrefix.size(); ++i) {
    if (AsciiLower(text[i]) != lowerPrefix[i]) return false;
  }
  return true;
}

std::string_view ReadableBytes(std::string_view fileBytes) {
  if (fileBytes.empty()) return fileBytes;  // memchr must not see a null pointer
  const void* mark = std::memchr(fileBytes.data(), kEndOfFileMark, fileBytes.size());
  if (!mark) return fileBytes;
  return fileBytes.substr(0,
                          static_cast<size_t>(static_cast<const char*>(mark) - fileBytes.data()));
}

bool IsEntryLine(std::string_view line) {
  return StartsWithIgnoringCase(line, "http") || StartsWithIgnoringCase(line, "www.");
}

std::string_view TrimBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

EntryFields SplitEntryFields(std::string_view line) {
  size_t comma = line.find(',');
  if (comma == std::string_view::npos) return {TrimBlanks(line), {}};
  return {TrimBlanks(line.substr(0, comma)), TrimBlanks(line.substr(comma + 1))};
}

void AppendEntryLine(std::string& out, std::string_view url, std::string_view name) {
  out.append(url);
  if (!name.empty()) {
    out.append(", ");
    out.append(name);
  }
}

bool HasTextExtension(std::string_view path) {
  if (path.empty() || Utf16Length(path) > kMaxPathLength) return false;
  size_t separator = path.find_last_of("\\:");
  size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return false;
  if (separator != std::string_view::npos && dot < separator) return false;
  std::string_view extension = path.substr(dot);
  return extension.size() == 4 && StartsWithIgnoringCase(extension, ".txt");
}
