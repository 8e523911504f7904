// Deciding a list file's form, decoding it and encoding it again, on any bytes: the text is
// always valid UTF-8, a file read exactly gives its bytes back, and what a save writes reads
// back as the same text in the same form. The list-file model changes a file read exactly by one
// line: an added line is read back as the last entry after all the others, and removing an
// entry's line leaves the other entries as they were.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "list/list_file_form.h"
#include "list/list_file_model.h"
#include "list/list_parse.h"
#include "list/unicode_text.h"
#include "list/western_code_page.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries EntriesOf(const ListFile& file) {
  Entries entries;
  for (int32_t e = 1; e <= file.entryCount; ++e) {
    entries.emplace_back(EntryUrl(file.entries, e), EntryName(file.entries, e));
  }
  return entries;
}

void CheckOneLineChanges(const std::string& bytes, const CodePageConversion& codePage) {
  ListFile file = ReadListFile(bytes, codePage);
  if (!file.exact) return;
  const Entries before = EntriesOf(file);
  ChangedListFile added =
      BytesWithLinesAdded(bytes, "http://added.example, Added\n", file.form.encoding, codePage);
  FUZZ_CHECK(added.outcome == ListChange::kChanged);
  const size_t readableEnd = ReadableEndOfFile(bytes, file.form.encoding);
  FUZZ_CHECK(added.bytes.compare(0, readableEnd, bytes, 0, readableEnd) == 0);
  ListFile afterAdding = ReadListFile(added.bytes, codePage);
  Entries expected = before;
  expected.emplace_back("http://added.example", "Added");
  FUZZ_CHECK(EntriesOf(afterAdding) == expected);
  FUZZ_CHECK(afterAdding.form == file.form);
  for (int32_t e : {1, file.entryCount}) {
    if (e < 1 || e > file.entryCount) continue;
    ChangedListFile removed =
        BytesWithLineRemoved(bytes, file.entryLines[static_cast<size_t>(e - 1)], codePage);
    // Refused when the rest would read otherwise; else exactly that entry is gone.
    FUZZ_CHECK(removed.outcome == ListChange::kChanged ||
               removed.outcome == ListChange::kChangesOtherLines);
    if (removed.outcome != ListChange::kChanged) continue;
    expected = before;
    expected.erase(expected.begin() + (e - 1));
    FUZZ_CHECK(EntriesOf(ReadListFile(removed.bytes, codePage)) == expected);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const CodePageConversion& codePage = WesternCodePage();
  DecodedListFile decoded = DecodeListFile(bytes, codePage);
  FUZZ_CHECK(IsValidUtf8(decoded.text));
  FUZZ_CHECK(decoded.text.find('\x1A') == std::string::npos);

  std::string again;
  bool fits = EncodeListFile(decoded.text, decoded.form, codePage, again);
  FUZZ_CHECK(fits);
  // Without an end-of-file mark, an exact file is its text and nothing more.
  bool wholeFileRead = ReadableEndOfFile(bytes, decoded.form.encoding) == bytes.size();
  if (decoded.exact && wholeFileRead) FUZZ_CHECK(again == bytes);
  DecodedListFile reread = DecodeListFile(again, codePage);
  // A little-endian UTF-16 text that starts with U+0000 begins with the UTF-32 mark.
  bool looksUtf32 = decoded.form.encoding == TextEncoding::kUtf16LittleEndian &&
                    !decoded.text.empty() && decoded.text[0] == '\0';
  FUZZ_CHECK(reread.exact || looksUtf32);
  FUZZ_CHECK(reread.text == decoded.text);
  FUZZ_CHECK(reread.form == decoded.form);

  // What a save writes: the text with the form's line ends, which reads back in that form.
  std::string saved;
  std::string text = WithLineEnds(decoded.text + "\r\n", decoded.form.lineEnds);
  FUZZ_CHECK(EncodeListFile(text, decoded.form, codePage, saved));
  DecodedListFile reloaded = DecodeListFile(saved, codePage);
  FUZZ_CHECK(reloaded.form.encoding == decoded.form.encoding);
  if (decoded.form.lineEnds == LineEnds::kLf) FUZZ_CHECK(reloaded.form.lineEnds == LineEnds::kLf);

  EntryStore store;
  ParseListText(std::move(decoded.text), decoded.form.lineEnds, store);
  CheckOneLineChanges(bytes, codePage);
  return 0;
}
