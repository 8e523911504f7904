#include "bookmarks/list_merge.h"

#include <string_view>
#include <unordered_set>
#include <utility>

#include "list/entry_store.h"
#include "list/list_format.h"
#include "list/list_parse.h"
#include "list/unicode_text.h"

namespace {

using UrlSet = std::unordered_set<std::string_view>;

// CR LF and a lone CR end a line in every list; LF alone only in a list of LF line ends.
bool EndsWithLineEnd(std::string_view text, LineEnds lineEnds) {
  bool crLf = text.size() > 1 && text.substr(text.size() - 2) == "\r\n";
  return text.back() == '\r' || crLf || (lineEnds == LineEnds::kLf && text.back() == '\n');
}

// The encoding the new lines are written in.
TextEncoding EncodingToAdd(const DecodedListFile& list) {
  bool plainText = list.form.encoding == TextEncoding::kCodePage && IsAscii(list.text);
  return plainText ? TextEncoding::kUtf8 : list.form.encoding;
}

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
  DecodedListFile list = DecodeListFile(listBytes, codePage);
  merged.exact = list.exact;
  if (!list.exact) return merged;
  const TextEncoding encoding = EncodingToAdd(list);
  const std::string_view lineEnd = list.form.lineEnds == LineEnds::kLf ? "\n" : "\r\n";
  std::string added;
  std::string encoded;
  if (!list.text.empty() && !EndsWithLineEnd(list.text, list.form.lineEnds)) {
    EncodeText(lineEnd, encoding, codePage, added);
  }
  EntryStore entries;
  ParseListText(std::move(list.text), list.form.lineEnds, entries);
  UrlSet urls = UrlsOf(entries, websites.size());
  std::string line;
  for (const Website& website : websites) {
    if (urls.count(website.url)) {
      ++merged.alreadyInList;
      continue;
    }
    line.clear();
    AppendEntryLine(line, website.url, website.name);
    line.append(lineEnd);
    if (!EncodeText(line, encoding, codePage, encoded)) {
      ++merged.unfit;
      continue;
    }
    urls.insert(website.url);
    added.append(encoded);
    ++merged.added;
  }
  if (merged.added == 0) added.clear();
  const size_t insertAt = ReadableEndOfFile(listBytes, list.form.encoding);
  merged.bytes.reserve(listBytes.size() + added.size());
  merged.bytes.append(listBytes, 0, insertAt).append(added).append(listBytes, insertAt);
  return merged;
}
