// Literal, deliberately slow versions of the list rules, written step by step with no shared
// helpers: the references that the fast parser and normaliser are compared with by the tests,
// the fuzz targets and the benchmarks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "list/normalize.h"

namespace reference {

using Entries = std::vector<std::pair<std::string, std::string>>;

inline std::string TrimSpaces(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  return std::string(text.substr(first, last - first));
}

// URL and name of one line: split at the first comma, both trimmed of blanks.
inline std::pair<std::string, std::string> LineFields(std::string_view line) {
  size_t comma = line.find(',');
  if (comma == std::string_view::npos) return {TrimSpaces(line), ""};
  return {TrimSpaces(line.substr(0, comma)), TrimSpaces(line.substr(comma + 1))};
}

inline bool StartsLikeEntry(const std::string& line) {
  if (line.size() < 4) return false;
  std::string first4 = line.substr(0, 4);
  for (char& c : first4) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return first4 == "http" || first4 == "www.";
}

// Reads a list file byte by byte: a line ends at CR LF or a lone CR, reading stops at 0x1A.
inline Entries ParseListBytes(std::string_view bytes) {
  Entries entries;
  size_t pos = 0;
  while (pos < bytes.size() && bytes[pos] != '\x1A') {
    std::string line;
    while (pos < bytes.size() && bytes[pos] != '\x1A') {
      char c = bytes[pos++];
      if (c == '\r') {
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
        break;
      }
      line += c;
    }
    if (!line.empty() && StartsLikeEntry(line)) entries.push_back(LineFields(line));
  }
  return entries;
}

inline std::vector<std::string> CutAtCrLf(std::string_view text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (;;) {
    size_t crlf = text.find("\r\n", start);
    if (crlf == std::string_view::npos) {
      pieces.emplace_back(text.substr(start));
      return pieces;
    }
    pieces.emplace_back(text.substr(start, crlf - start));
    start = crlf + 2;
  }
}

// The duplicate pass pair by pair: for each piece i and each later piece j with the same URL,
// piece i is emptied and the tally grows; the first pair found names the piece to select.
inline NormalizedText NormalizeText(std::string_view listText) {
  std::vector<std::string> pieces = CutAtCrLf(listText);
  size_t n = pieces.size();
  std::vector<std::string> urls(n);
  std::vector<std::string> names(n);
  for (size_t i = 0; i < n; ++i) std::tie(urls[i], names[i]) = LineFields(pieces[i]);

  int64_t tally = 0;
  int32_t position = 0;
  for (size_t i = 0; i < n; ++i) {
    const std::string u = urls[i];
    for (size_t j = i + 1; j < n; ++j) {
      if (urls[j] != u) continue;
      urls[i].clear();
      names[i].clear();
      ++tally;
      if (tally == 1) position = static_cast<int32_t>(i + 1);
    }
  }

  NormalizedText result;
  for (size_t i = 0; i < n; ++i) {
    if (urls[i].empty()) continue;
    result.text += names[i].empty() ? urls[i] : urls[i] + ", " + names[i];
    result.text += "\r\n";
  }
  result.duplicateTally =
      static_cast<int32_t>(std::min<int64_t>(tally, std::numeric_limits<int32_t>::max()));
  result.firstDuplicatePiece = position;
  return result;
}

}  // namespace reference
