#include "bookmarks/list_merge.h"

#include <string_view>
#include <unordered_set>
#include <utility>

#include "list/entry_store.h"
#include "list/list_file_model.h"
#include "list/list_format.h"

namespace {

using UrlSet = std::unordered_set<std::string_view>;

UrlSet UrlsOf(const EntryStore& entries, size_t room) {
  UrlSet urls;
  urls.reserve(entries.ends.size() + room);
  for (int32_t entry = 1; entry <= StoredEntries(entries); ++entry) {
    urls.insert(EntryUrl(entries, entry));
  }
  return urls;
}

}  // namespace

MergedList MergeWebsites(const std::string& listBytes, const std::vector<Website>& websites,
                         const CodePageConversion& codePage) {
  MergedList merged;
  ListFile list = ReadListFile(listBytes, codePage);
  merged.exact = list.exact;
  if (!list.exact) return merged;
  const TextEncoding encoding = EncodingOfAddedLines(listBytes, list.form.encoding);
  UrlSet urls = UrlsOf(list.entries, websites.size());
  std::string lines;
  std::string line;
  std::string encoded;
  for (const Website& website : websites) {
    if (urls.count(website.url)) {
      ++merged.alreadyInList;
      continue;
    }
    line.clear();
    AppendEntryLine(line, website.url, website.name);
    if (!EncodeText(line, encoding, codePage, encoded)) {
      ++merged.unfit;
      continue;
    }
    urls.insert(website.url);
    lines.append(line).push_back('\n');
    ++merged.added;
  }
  if (merged.added == 0) {
    merged.bytes = listBytes;
    return merged;
  }
  merged.bytes = BytesWithLinesAdded(listBytes, lines, encoding, codePage).bytes;
  return merged;
}
