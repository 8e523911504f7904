#include "list/list_parse.h"

#include "list/list_format.h"

int32_t ParseListBytes(std::string_view fileBytes, std::vector<std::string>& urls,
                       std::vector<std::string>& names) {
  urls.clear();
  names.clear();
  ForEachFileLine(ReadableBytes(fileBytes), [&](std::string_view line) {
    if (!IsEntryLine(line)) return;
    EntryFields fields = SplitEntryFields(line);
    urls.emplace_back(fields.url);
    names.emplace_back(fields.name);
  });
  return static_cast<int32_t>(urls.size());
}
