#include "list/list_parse.h"

#include "list/list_format.h"

namespace {

// Stores the text in the element at index, reusing the element's buffer when it exists: a
// reload of a list fills the strings of the previous load without allocating. A buffer far
// larger than the text (left by a huge line) is given back instead of kept.
void StoreAt(std::vector<std::string>& texts, size_t index, std::string_view text) {
  if (index == texts.size()) {
    texts.emplace_back(text);
  } else if (texts[index].capacity() > 4 * text.size() + 64) {
    texts[index] = std::string(text);
  } else {
    texts[index].assign(text.data(), text.size());
  }
}

size_t CountEntryLines(std::string_view bytes) {
  size_t count = 0;
  ForEachFileLine(bytes, [&count](std::string_view line) { count += IsEntryLine(line) ? 1 : 0; });
  return count;
}

}  // namespace

int32_t ParseListBytes(std::string_view fileBytes, std::vector<std::string>& urls,
                       std::vector<std::string>& names) {
  std::string_view readable = ReadableBytes(fileBytes);
  size_t entryLines = CountEntryLines(readable);
  urls.reserve(entryLines);
  names.reserve(entryLines);
  size_t entries = 0;
  ForEachFileLine(readable, [&](std::string_view line) {
    if (!IsEntryLine(line)) return;
    EntryFields fields = SplitEntryFields(line);
    StoreAt(urls, entries, fields.url);
    StoreAt(names, entries, fields.name);
    ++entries;
  });
  urls.resize(entries);
  names.resize(entries);
  return static_cast<int32_t>(entries);
}
