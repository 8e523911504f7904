// The forms in which a list file holds its text: 8-bit bytes, or a byte-order mark followed by
// UTF-8 or by UTF-16 in either byte order. The program works on 8-bit text; a file keeps its
// form from load to save. Portable: no platform calls.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class ListFileForm {
  kPlain,              // no mark: 8-bit text, its bytes used as they are
  kUtf8Marked,         // EF BB BF, then the bytes used as they are
  kUtf16LittleEndian,  // FF FE, then UTF-16 code units, low byte first
  kUtf16BigEndian,     // FE FF, then UTF-16 code units, high byte first
};

// The form of a file, told by the mark at its start.
ListFileForm FormOfListFile(std::string_view fileBytes);

// The mark that begins a file of the form; empty for kPlain.
std::string_view ByteOrderMark(ListFileForm form);

bool IsUtf16Form(ListFileForm form);

// The UTF-16 code units held in bytes (the bytes after the mark), in the byte order of the
// form. An odd last byte is part of no unit and is not read. Units is std::u16string, or
// std::wstring where wchar_t has 16 bits.
template <typename Units>
Units Utf16UnitsOfBytes(std::string_view bytes, ListFileForm form) {
  const bool highFirst = form == ListFileForm::kUtf16BigEndian;
  Units units(bytes.size() / 2, 0);
  for (size_t i = 0; i < units.size(); ++i) {
    unsigned first = static_cast<unsigned char>(bytes[2 * i]);
    unsigned second = static_cast<unsigned char>(bytes[2 * i + 1]);
    unsigned unit = highFirst ? (first << 8) | second : (second << 8) | first;
    units[i] = static_cast<typename Units::value_type>(unit);
  }
  return units;
}

// The bytes of a UTF-16 list file of the form: its mark, then the units in its byte order.
template <typename Units>
std::string Utf16FileBytes(const Units& units, ListFileForm form) {
  const bool highFirst = form == ListFileForm::kUtf16BigEndian;
  std::string bytes(ByteOrderMark(form));
  bytes.reserve(bytes.size() + 2 * units.size());
  for (auto unit : units) {
    unsigned value = static_cast<unsigned>(unit) & 0xFFFFu;
    char high = static_cast<char>(value >> 8);
    char low = static_cast<char>(value & 0xFFu);
    bytes.push_back(highFirst ? high : low);
    bytes.push_back(highFirst ? low : high);
  }
  return bytes;
}
