// The list file format: lines, entry lines and their fields. Portable: no platform calls.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "list/list_file_form.h"

// Byte that marks the end of a list file (Ctrl-Z): it and everything after it are never read.
constexpr char kEndOfFileMark = '\x1A';

// The bytes of a list file that count: everything before the first end-of-file mark.
std::string_view ReadableBytes(std::string_view fileBytes);

// Calls onLine(std::string_view line) for every line of a list file's readable text. A line
// ends at CR LF or at a CR that is not followed by LF, and with LineEnds::kLf also at a lone LF;
// otherwise a lone LF is an ordinary character. The last line needs no line end, and a final
// line end is not followed by an empty line.
template <typename OnLine>
void ForEachFileLine(std::string_view bytes, LineEnds lineEnds, OnLine&& onLine) {
  if (bytes.empty()) return;  // memchr must not see a null pointer
  const char* p = bytes.data();
  const char* end = p + bytes.size();
  // Without a CR to look for, the lines of an LF file are found by one byte's search.
  const char breakByte =
      lineEnds == LineEnds::kLf && !std::memchr(p, '\r', bytes.size()) ? '\n' : '\r';
  const bool lineFeedEnds = lineEnds == LineEnds::kLf;
  while (p < end) {
    const char* lineEnd = p;
    if (breakByte == '\r' && lineFeedEnds) {
      while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n') ++lineEnd;
    } else {
      const void* found = std::memchr(p, breakByte, static_cast<size_t>(end - p));
      lineEnd = found ? static_cast<const char*>(found) : end;
    }
    onLine(std::string_view(p, static_cast<size_t>(lineEnd - p)));
    if (lineEnd == end) break;
    p = lineEnd + 1;
    if (*lineEnd == '\r' && p < end && *p == '\n') ++p;
  }
}

// The byte with an ASCII capital letter made small; any other byte as it is.
char AsciiLower(char c);

// True when text begins with lowerPrefix (given in lower case), ignoring the case of ASCII
// letters in text.
bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix);

// True when the line's first four characters, in lower case, are "http" or "www.".
bool IsEntryLine(std::string_view line);

// Removes leading and trailing blanks (the space character only).
std::string_view TrimBlanks(std::string_view text);

// The fields of a line: the trimmed text before the first comma (the whole line without one)
// and the trimmed text after it (empty without one).
struct EntryFields {
  std::string_view url;
  std::string_view name;
};
EntryFields SplitEntryFields(std::string_view line);

// The text shown for an entry: its name, or its URL when the name is empty.
inline std::string_view DisplayText(std::string_view url, std::string_view name) {
  return name.empty() ? url : name;
}

// Appends the canonical line of an entry, without line end: "URL, name", or the URL alone
// when the name is empty.
void AppendEntryLine(std::string& out, std::string_view url, std::string_view name);

// The extension test of list files: the text from the last "." after the last "\" or ":",
// lower-cased, must be exactly ".txt". An empty path or one longer than 260 characters (UTF-16
// units, as the platform counts them) fails.
bool HasTextExtension(std::string_view path);
