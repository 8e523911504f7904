// The forms in which a list file holds its text, decided once at each load and kept by a save:
// 8-bit text in the system's code page, UTF-8 with or without a byte-order mark, or UTF-16 with
// a mark in either byte order; lines ended by CR LF (or a lone CR), or by LF alone. The program's
// own text is UTF-8. Portable: the code page's conversion is handed in by the platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class TextEncoding {
  kCodePage,           // no mark, not UTF-8: 8-bit text in the system's code page
  kUtf8,               // no mark, valid UTF-8 with at least one character beyond ASCII
  kUtf8Marked,         // EF BB BF, then UTF-8
  kUtf16LittleEndian,  // FF FE, then UTF-16 code units, low byte first
  kUtf16BigEndian,     // FE FF, then UTF-16 code units, high byte first
};

enum class LineEnds {
  kCrLf,  // a line ends at CR LF or at a lone CR; a lone LF is an ordinary character
  kLf,    // the file holds LF and no CR LF anywhere: a line ends at LF (or at a lone CR)
};

struct ListFileForm {
  TextEncoding encoding = TextEncoding::kCodePage;
  LineEnds lineEnds = LineEnds::kCrLf;
  bool operator==(const ListFileForm& other) const {
    return encoding == other.encoding && lineEnds == other.lineEnds;
  }
};

// Converting 8-bit text in the system's code page to and from UTF-8: the platform's part,
// handed in as two functions.
struct CodePageConversion {
  // The UTF-8 text of the bytes, as far as it goes. False when the text would not give the same
  // bytes back (a byte sequence with no character, or one the code page writes otherwise).
  bool (*toText)(std::string_view bytes, std::string& text);
  // The bytes of UTF-8 text. False when some character has no exact form in the code page;
  // the bytes then hold a stand-in for it.
  bool (*toBytes)(std::string_view text, std::string& bytes);
};

// The mark that begins a file of the encoding; empty for kCodePage and kUtf8.
std::string_view ByteOrderMark(TextEncoding encoding);

bool IsUtf16(TextEncoding encoding);

// Where the readable text of a file of the encoding ends in its bytes: at its end-of-file mark
// (the byte 0x1A, or the UTF-16 unit U+001A), or at its end. Nothing after it is ever read.
size_t ReadableEndOfFile(std::string_view fileBytes, TextEncoding encoding);

struct DecodedListFile {
  ListFileForm form;
  std::string text;  // UTF-8: all of the file's text before its end-of-file mark (Ctrl-Z)
  // False when the text does not hold the file's bytes exactly (characters that the form
  // cannot give, ill-formed UTF-8 or UTF-16, a UTF-32 mark): it is shown as far as it goes,
  // and a save would change the file.
  bool exact = true;
};

// Decides the file's form and turns the file's text into the program's. A UTF-8 mark, or a
// UTF-16 mark, tells the encoding; without one, text whose bytes are valid UTF-8 and not all
// ASCII is UTF-8 and any other is in the code page. The text keeps the file's line ends.
DecodedListFile DecodeListFile(std::string fileBytes, const CodePageConversion& codePage);

// The bytes of text in the encoding, without a mark. False when the text does not fit the
// encoding (only the code page can lack characters); the bytes then hold stand-ins.
bool EncodeText(std::string_view text, TextEncoding encoding, const CodePageConversion& codePage,
                std::string& bytes);

// The bytes of a whole file of the form holding the text: the form's mark, then the text.
// The text's line ends are written as they are. False when the text does not fit. Text that
// needs no conversion becomes the bytes without a copy.
bool EncodeListFile(std::string text, ListFileForm form, const CodePageConversion& codePage,
                    std::string& bytes);

// The text with the line ends of the form: for kLf every line break (CR LF, lone CR, lone LF)
// becomes LF, so that the file is read back line by line; for kCrLf it is unchanged.
std::string WithLineEnds(std::string text, LineEnds lineEnds);
