// The character encoding of a bookmark export, decided and decoded as a browser does for an
// HTML file: a byte-order mark; else UTF-16 without a mark, recognised by its zero bytes; else
// the character set the file declares (<meta charset="..."> or <meta http-equiv="Content-Type"
// content="...; charset=...">, found with the HTML standard's prescan); else UTF-8. Bytes that
// are no character of the encoding become U+FFFD each, as its decoder reads them. Portable:
// the multi-byte encodings are decoded by the platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Decodes the bytes of one of the web's multi-byte encodings (as the Encoding Standard names
// it: Shift_JIS, EUC-JP, ISO-2022-JP, GBK, gb18030, Big5, EUC-KR) into UTF-8, each byte
// sequence that is no character becoming U+FFFD, whose places in text are added to
// replacedAt. False when the platform cannot decode that encoding.
using MultiByteDecoder = bool (*)(std::string_view encodingName, std::string_view bytes,
                                  std::string& text, std::vector<size_t>& replacedAt);

struct DecodedExport {
  std::string encoding;  // the Encoding Standard's name of the encoding it was read in
  bool readable = true;  // false: an encoding this program cannot read; text is empty
  std::string text;      // UTF-8
  // Where text holds a U+FFFD that stands for bytes that were no characters, ascending.
  std::vector<size_t> replacedAt;
};

DecodedExport DecodeExport(std::string_view bytes, MultiByteDecoder multiByte);

// The encoding the file's bytes declare, by the HTML standard's prescan for a <meta> that
// names one; empty when none does. UTF-16 labels give UTF-8, and x-user-defined windows-1252,
// as the prescan has it.
std::string DeclaredEncoding(std::string_view bytes);

// Appends the UTF-8 text of UTF-8 bytes, each maximal part that begins no character (as the
// Encoding Standard's decoder cuts them) becoming U+FFFD, whose places go to replacedAt.
void AppendDecodedUtf8(std::string_view bytes, std::string& text, std::vector<size_t>& replacedAt);
