#include "list/website_find.h"

#include <algorithm>
#include <new>

#include "list/text_fold.h"

std::vector<std::string> QueryWords(std::string_view query) {
  std::vector<std::string> words;
  std::string folded = FoldedText(query);
  size_t start = 0;
  while (start < folded.size()) {
    size_t end = folded.find(' ', start);
    if (end == std::string::npos) end = folded.size();
    if (end > start) words.push_back(folded.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

bool NarrowsDown(const std::vector<std::string>& earlier, const std::vector<std::string>& later) {
  return std::all_of(earlier.begin(), earlier.end(), [&later](const std::string& word) {
    return std::any_of(later.begin(), later.end(), [&word](const std::string& laterWord) {
      return laterWord.find(word) != std::string::npos;
    });
  });
}

FoldedEntries FoldEntries(const EntryStore& entries, int32_t entryCount) {
  FoldedEntries folded;
  folded.text.reserve(entries.text.size() + static_cast<size_t>(entryCount));
  folded.ends.reserve(static_cast<size_t>(entryCount));
  for (int32_t entry = 1; entry <= entryCount; ++entry) {
    AppendFolded(EntryName(entries, entry), folded.text);
    folded.text.push_back('\n');  // no word holds it, so none is found across name and URL
    AppendFolded(EntryUrl(entries, entry), folded.text);
    if (folded.text.size() > kLargestEntryText) throw std::bad_alloc();  // 32-bit ends
    folded.ends.push_back(static_cast<uint32_t>(folded.text.size()));
  }
  return folded;
}

bool EntryMatches(const FoldedEntries& folded, int32_t entry,
                  const std::vector<std::string>& words) {
  size_t index = static_cast<size_t>(entry - 1);
  if (entry < 1 || index >= folded.ends.size()) return false;
  size_t start = index == 0 ? 0 : folded.ends[index - 1];
  std::string_view text = std::string_view(folded.text).substr(start, folded.ends[index] - start);
  return std::all_of(words.begin(), words.end(), [text](const std::string& word) {
    return text.find(word) != std::string_view::npos;
  });
}

WebsiteFind StartWebsiteFind(std::vector<int32_t> wholeOrder) {
  WebsiteFind find;
  find.matches = wholeOrder;
  find.wholeOrder = std::move(wholeOrder);
  return find;
}

bool ApplyQuery(WebsiteFind& find, const EntryStore& entries, std::string_view query) {
  std::vector<std::string> words = QueryWords(query);
  if (words == find.words) return false;
  if (!find.entriesFolded && !words.empty()) {
    int32_t count = static_cast<int32_t>(std::min<int64_t>(StoredEntries(entries), INT32_MAX));
    find.folded = FoldEntries(entries, count);
    find.entriesFolded = true;
  }
  const std::vector<int32_t>& among =
      NarrowsDown(find.words, words) ? find.matches : find.wholeOrder;
  std::vector<int32_t> matches;
  for (int32_t entry : among) {
    if (words.empty() || EntryMatches(find.folded, entry, words)) matches.push_back(entry);
  }
  find.words = std::move(words);
  if (matches == find.matches) return false;
  find.matches = std::move(matches);
  return true;
}
