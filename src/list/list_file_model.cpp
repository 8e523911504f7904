#include "list/list_file_model.h"

#include <algorithm>
#include <utility>

#include "list/list_format.h"
#include "list/list_parse.h"
#include "list/list_text.h"
#include "list/unicode_text.h"

namespace {

constexpr char16_t kCarriageReturn = 0x0D;
constexpr char16_t kLineFeed = 0x0A;

// The file's characters one code unit at a time: a byte, or two bytes of UTF-16 in the
// encoding's order. Line breaks are the units CR and LF in every form a list file takes (no
// code page the program meets uses their bytes inside another character).
struct CodeUnits {
  std::string_view bytes;
  size_t size = 1;
  bool highFirst = false;

  char16_t At(size_t offset) const {
    if (size == 1) return static_cast<unsigned char>(bytes[offset]);
    unsigned char first = static_cast<unsigned char>(bytes[offset]);
    unsigned char second = static_cast<unsigned char>(bytes[offset + 1]);
    return highFirst ? static_cast<char16_t>(first << 8 | second)
                     : static_cast<char16_t>(second << 8 | first);
  }
};

CodeUnits CodeUnitsOf(std::string_view bytes, TextEncoding encoding) {
  CodeUnits units;
  units.bytes = bytes;
  units.size = IsUtf16(encoding) ? 2 : 1;
  units.highFirst = encoding == TextEncoding::kUtf16BigEndian;
  return units;
}

struct ByteSpan {
  size_t start = 0;
  size_t end = 0;
};

// The bytes of the line of that number in the file's readable part, its line end included, by
// the same rule as ForEachFileLine: a line ends at CR LF or a lone CR, with LF line ends also at
// a lone LF, and a final line end is not followed by an empty line.
bool FindFileLine(std::string_view fileBytes, ListFileForm form, uint32_t wanted, ByteSpan& span) {
  const CodeUnits units = CodeUnitsOf(fileBytes, form.encoding);
  const size_t end = ReadableEndOfFile(fileBytes, form.encoding);
  size_t at = ByteOrderMark(form.encoding).size();
  for (uint32_t number = 0; at < end; ++number) {
    const size_t start = at;
    while (at + units.size <= end) {
      char16_t unit = units.At(at);
      at += units.size;
      if (unit == kCarriageReturn) {
        if (at + units.size <= end && units.At(at) == kLineFeed) at += units.size;
        break;
      }
      if (unit == kLineFeed && form.lineEnds == LineEnds::kLf) break;
    }
    if (end - at < units.size) at = end;  // an odd last byte belongs to the last line
    if (number == wanted) {
      span = {start, at};
      return true;
    }
  }
  return false;
}

// An empty text has no last line to end.
bool EndsWithLineEnd(std::string_view text, LineEnds lineEnds) {
  if (text.empty()) return true;
  const char last = text.back();
  const bool crLf = text.size() > 1 && text[text.size() - 2] == '\r';
  return last == '\r' || (last == '\n' && (lineEnds == LineEnds::kLf || crLf));
}

std::string_view LineEndOf(LineEnds lineEnds) {
  return lineEnds == LineEnds::kLf ? "\n" : "\r\n";
}

// Lines ended by "\n", ended as the form's lines are.
std::string WithFileLineEnds(std::string_view lines, LineEnds lineEnds) {
  if (lineEnds == LineEnds::kLf) return std::string(lines);
  std::string ended;
  ended.reserve(lines.size() + lines.size() / 16 + 2);
  for (char c : lines) {
    if (c == '\n') ended.push_back('\r');
    ended.push_back(c);
  }
  return ended;
}

ChangedListFile Refused(ListChange outcome) {
  ChangedListFile changed;
  changed.outcome = outcome;
  return changed;
}

// Whether the lines can follow the file's bytes as they are: the file stays in its encoding,
// or it is code-page text of ASCII alone, which UTF-8 reads alike.
bool AddsInPlace(const DecodedListFile& file, TextEncoding encoding) {
  if (encoding == file.form.encoding) return true;
  return file.form.encoding == TextEncoding::kCodePage && encoding == TextEncoding::kUtf8 &&
         IsAscii(file.text);
}

// Whether the file read after a removal holds the entries of the file before it, but for the
// entry of the removed line.
bool KeepsOtherEntries(const ListFile& before, const ListFile& after, uint32_t removedLine) {
  if (!after.exact) return false;
  int32_t entry = 1;
  for (int32_t old = 1; old <= before.entryCount; ++old) {
    if (before.entryLines[static_cast<size_t>(old - 1)] == removedLine) continue;
    if (entry > after.entryCount ||
        EntryUrl(after.entries, entry) != EntryUrl(before.entries, old) ||
        EntryName(after.entries, entry) != EntryName(before.entries, old)) {
      return false;
    }
    ++entry;
  }
  return entry == after.entryCount + 1;
}

}  // namespace

ListFile ReadListFile(std::string fileBytes, const CodePageConversion& codePage) {
  ListFile file;
  DecodedListFile decoded = DecodeListFile(std::move(fileBytes), codePage);
  file.form = decoded.form;
  file.exact = decoded.exact;
  std::string& text = decoded.text;
  file.nulCharacters = static_cast<int32_t>(std::count(text.begin(), text.end(), '\0'));
  if (file.nulCharacters > 0) std::replace(text.begin(), text.end(), '\0', ' ');
  file.entryCount =
      ParseListText(std::move(decoded.text), decoded.form.lineEnds, file.entries, &file.entryLines);
  return file;
}

TextEncoding EncodingOfAddedLines(std::string_view fileBytes, TextEncoding fileEncoding) {
  if (fileEncoding != TextEncoding::kCodePage) return fileEncoding;
  bool plainText = IsAscii(fileBytes.substr(0, ReadableEndOfFile(fileBytes, fileEncoding)));
  return plainText ? TextEncoding::kUtf8 : fileEncoding;
}

ChangedListFile BytesWithLinesAdded(std::string_view fileBytes, std::string_view lines,
                                    TextEncoding encoding, const CodePageConversion& codePage) {
  DecodedListFile file = DecodeListFile(std::string(fileBytes), codePage);
  if (!file.exact) return Refused(ListChange::kInexact);
  const LineEnds lineEnds = file.form.lineEnds;
  std::string added;
  if (!EndsWithLineEnd(file.text, lineEnds)) added.append(LineEndOf(lineEnds));
  added.append(WithFileLineEnds(lines, lineEnds));
  const size_t readableEnd = ReadableEndOfFile(fileBytes, file.form.encoding);
  ChangedListFile changed;
  std::string encoded;
  if (AddsInPlace(file, encoding)) {
    if (!EncodeText(added, encoding, codePage, encoded)) return Refused(ListChange::kDoesNotFit);
    changed.bytes.reserve(fileBytes.size() + encoded.size());
    changed.bytes.append(fileBytes.substr(0, readableEnd));
  } else {
    // The whole readable text changes encoding; what follows an end-of-file mark stays as it is.
    if (!EncodeListFile(file.text + added, {encoding, lineEnds}, codePage, encoded))
      return Refused(ListChange::kDoesNotFit);
  }
  changed.bytes.append(encoded).append(fileBytes.substr(readableEnd));
  return changed;
}

ChangedListFile BytesWithLineRemoved(std::string_view fileBytes, uint32_t line,
                                     const CodePageConversion& codePage) {
  ListFile file = ReadListFile(std::string(fileBytes), codePage);
  if (!file.exact) return Refused(ListChange::kInexact);
  ByteSpan span;
  if (!FindFileLine(fileBytes, file.form, line, span)) return Refused(ListChange::kNoSuchLine);
  ChangedListFile changed;
  changed.bytes.reserve(fileBytes.size() - (span.end - span.start));
  changed.bytes.append(fileBytes.substr(0, span.start)).append(fileBytes.substr(span.end));
  if (!KeepsOtherEntries(file, ReadListFile(changed.bytes, codePage), line))
    return Refused(ListChange::kChangesOtherLines);
  return changed;
}

ChangedListFile BytesOfListText(std::string_view listText, ListFileForm form,
                                const CodePageConversion& codePage) {
  ChangedListFile changed;
  std::string text = WithLineEnds(ListFileBytes(listText), form.lineEnds);
  // Never written with stand-ins for characters: that would lose what the user typed.
  if (!EncodeListFile(text, form, codePage, changed.bytes)) return Refused(ListChange::kDoesNotFit);
  // Code-page bytes that happen to form UTF-8 (or begin as a byte-order mark) would be read
  // back as other characters than were saved: such a text is written as UTF-8, which reads back
  // as it is. ASCII reads alike in every form.
  if (form.encoding == TextEncoding::kCodePage && !IsAscii(text) &&
      DecodeListFile(changed.bytes, codePage).form.encoding != TextEncoding::kCodePage) {
    changed.bytes = std::move(text);
  }
  return changed;
}
