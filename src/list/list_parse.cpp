#include "list/list_parse.h"

#include <cstring>
#include <new>
#include <utility>

#include "list/list_format.h"

namespace {

size_t CountEntryLines(std::string_view bytes, LineEnds lineEnds) {
  size_t count = 0;
  ForEachFileLine(bytes, lineEnds,
                  [&count](std::string_view line) { count += IsEntryLine(line) ? 1 : 0; });
  return count;
}

// Moves a field of a line to the write position, which never lies after it, and returns the
// write position after it.
size_t MoveField(char* bytes, size_t writeAt, std::string_view field) {
  if (!field.empty()) std::memmove(bytes + writeAt, field.data(), field.size());
  return writeAt + field.size();
}

// Gives back the room that ignored lines and separators left unused, when it is worth a copy.
void ReleaseUnusedRoom(std::string& text) {
  if (text.capacity() - text.size() > text.size() / 4 + 4096) text.shrink_to_fit();
}

}  // namespace

int32_t ParseListText(std::string fileBytes, LineEnds lineEnds, EntryStore& store,
                      std::vector<uint32_t>* entryLines) {
  std::string_view readable = ReadableBytes(fileBytes);
  if (readable.size() > kLargestEntryText) throw std::bad_alloc();
  store.ends.clear();
  size_t entryCount = CountEntryLines(readable, lineEnds);
  store.ends.reserve(entryCount);
  if (entryLines) {
    entryLines->clear();
    entryLines->reserve(entryCount);
  }
  char* bytes = fileBytes.data();
  size_t written = 0;
  uint32_t lineNumber = 0;
  ForEachFileLine(readable, lineEnds, [&](std::string_view line) {
    uint32_t number = lineNumber++;
    if (!IsEntryLine(line)) return;
    if (entryLines) entryLines->push_back(number);
    EntryFields fields = SplitEntryFields(line);
    written = MoveField(bytes, written, fields.url);
    uint32_t urlEnd = static_cast<uint32_t>(written);
    written = MoveField(bytes, written, fields.name);
    store.ends.push_back({urlEnd, static_cast<uint32_t>(written)});
  });
  fileBytes.resize(written);
  ReleaseUnusedRoom(fileBytes);
  store.text = std::move(fileBytes);
  return static_cast<int32_t>(store.ends.size());
}
