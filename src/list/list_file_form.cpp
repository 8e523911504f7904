#include "list/list_file_form.h"

#include <utility>

#include "list/list_format.h"
#include "list/unicode_text.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
// The end-of-file mark as a UTF-16 unit.
constexpr char16_t kEndOfFileUnit = 0x1A;

bool StartsWith(std::string_view bytes, std::string_view start) {
  return bytes.substr(0, start.size()) == start;
}

ByteOrder ByteOrderOf(TextEncoding encoding) {
  return encoding == TextEncoding::kUtf16BigEndian ? ByteOrder::kBigEndian
                                                   : ByteOrder::kLittleEndian;
}

TextEncoding EncodingOf(std::string_view fileBytes) {
  if (StartsWith(fileBytes, kUtf8Mark)) return TextEncoding::kUtf8Marked;
  if (StartsWith(fileBytes, kUtf16LittleEndianMark)) return TextEncoding::kUtf16LittleEndian;
  if (StartsWith(fileBytes, kUtf16BigEndianMark)) return TextEncoding::kUtf16BigEndian;
  // Pure ASCII reads alike either way and stays code-page text, as files always were.
  std::string_view readable = ReadableBytes(fileBytes);
  if (!IsAscii(readable) && IsValidUtf8(readable)) return TextEncoding::kUtf8;
  return TextEncoding::kCodePage;
}

LineEnds LineEndsOf(std::string_view text) {
  bool lineFeed = text.find('\n') != std::string_view::npos;
  return lineFeed && text.find("\r\n") == std::string_view::npos ? LineEnds::kLf : LineEnds::kCrLf;
}

// FF FE 00 00 begins a UTF-32 file, not a UTF-16 one: read as UTF-16 it would show nothing
// true, and a save would replace it.
bool HasUtf32Mark(TextEncoding encoding, std::string_view body) {
  return encoding == TextEncoding::kUtf16LittleEndian &&
         StartsWith(body, std::string_view("\0\0", 2));
}

// The readable 8-bit text after the mark, in the program's UTF-8. Bytes that need no
// conversion are moved, not copied: a big list is held once.
bool DecodeEightBitText(std::string fileBytes, TextEncoding encoding,
                        const CodePageConversion& codePage, std::string& text) {
  size_t markSize = ByteOrderMark(encoding).size();
  size_t readableSize = ReadableEndOfFile(fileBytes, encoding) - markSize;
  std::string_view readable = std::string_view(fileBytes).substr(markSize, readableSize);
  bool unchanged = encoding == TextEncoding::kUtf8 ||
                   (encoding == TextEncoding::kCodePage && IsAscii(readable)) ||
                   (encoding == TextEncoding::kUtf8Marked && IsValidUtf8(readable));
  if (unchanged) {
    fileBytes.resize(markSize + readableSize);
    fileBytes.erase(0, markSize);
    text = std::move(fileBytes);
    return true;
  }
  if (encoding == TextEncoding::kCodePage) return codePage.toText(readable, text);
  return MendUtf8(readable, text);
}

}  // namespace

std::string_view ByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kUtf8Marked:
      return kUtf8Mark;
    case TextEncoding::kUtf16LittleEndian:
      return kUtf16LittleEndianMark;
    case TextEncoding::kUtf16BigEndian:
      return kUtf16BigEndianMark;
    default:
      return {};
  }
}

bool IsUtf16(TextEncoding encoding) {
  return encoding == TextEncoding::kUtf16LittleEndian || encoding == TextEncoding::kUtf16BigEndian;
}

size_t ReadableEndOfFile(std::string_view fileBytes, TextEncoding encoding) {
  size_t markSize = ByteOrderMark(encoding).size();
  if (!IsUtf16(encoding)) return markSize + ReadableBytes(fileBytes.substr(markSize)).size();
  const bool highFirst = encoding == TextEncoding::kUtf16BigEndian;
  for (size_t at = markSize; at + 1 < fileBytes.size(); at += 2) {
    char high = fileBytes[highFirst ? at : at + 1];
    char low = fileBytes[highFirst ? at + 1 : at];
    if (high == 0 && low == kEndOfFileMark) return at;
  }
  return fileBytes.size();
}

DecodedListFile DecodeListFile(std::string fileBytes, const CodePageConversion& codePage) {
  DecodedListFile result;
  TextEncoding encoding = EncodingOf(fileBytes);
  result.form.encoding = encoding;
  if (IsUtf16(encoding)) {
    std::string_view body = std::string_view(fileBytes).substr(ByteOrderMark(encoding).size());
    result.exact =
        AppendUtf8OfUtf16Bytes(body, ByteOrderOf(encoding), kEndOfFileUnit, result.text) &&
        !HasUtf32Mark(encoding, body);
  } else {
    result.exact = DecodeEightBitText(std::move(fileBytes), encoding, codePage, result.text);
  }
  result.form.lineEnds = LineEndsOf(result.text);
  return result;
}

bool EncodeText(std::string_view text, TextEncoding encoding, const CodePageConversion& codePage,
                std::string& bytes) {
  if (IsUtf16(encoding)) {
    bytes.clear();
    AppendUtf16BytesOfUtf8(text, ByteOrderOf(encoding), bytes);
    return true;
  }
  if (encoding == TextEncoding::kCodePage && !IsAscii(text)) return codePage.toBytes(text, bytes);
  bytes.assign(text);
  return true;
}

bool EncodeListFile(std::string text, ListFileForm form, const CodePageConversion& codePage,
                    std::string& bytes) {
  bool converted =
      IsUtf16(form.encoding) || (form.encoding == TextEncoding::kCodePage && !IsAscii(text));
  bool fits = true;
  if (converted) {
    fits = EncodeText(text, form.encoding, codePage, bytes);
  } else {
    bytes = std::move(text);
  }
  bytes.insert(0, ByteOrderMark(form.encoding));
  return fits;
}

std::string WithLineEnds(std::string text, LineEnds lineEnds) {
  if (lineEnds == LineEnds::kCrLf || text.find('\r') == std::string::npos) return text;
  size_t written = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      c = '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    text[written++] = c;
  }
  text.resize(written);
  return text;
}
