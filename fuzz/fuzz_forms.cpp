// Deciding a list file's form, decoding it and encoding it again, on any bytes: the text is
// always valid UTF-8, a file read exactly gives its bytes back, and what a save writes reads
// back as the same text in the same form.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz_check.h"
#include "list/list_file_form.h"
#include "list/list_parse.h"
#include "list/unicode_text.h"
#include "list/western_code_page.h"

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
  return 0;
}
