// Line splitting of list files and piece cutting of list text, on any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "list/list_format.h"
#include "list/list_text.h"
#include "list_reference.h"

namespace {

// The file's lines, each followed by its line end, make up exactly the bytes before the first
// 0x1A; no line holds a CR.
void CheckFileLines(std::string_view bytes) {
  std::string_view readable = ReadableBytes(bytes);
  FUZZ_CHECK(bytes.substr(0, readable.size()) == readable);
  FUZZ_CHECK(readable.find('\x1A') == std::string_view::npos);
  FUZZ_CHECK(readable.size() == bytes.size() || bytes[readable.size()] == '\x1A');
  size_t pos = 0;
  ForEachFileLine(readable, LineEnds::kCrLf, [&](std::string_view line) {
    FUZZ_CHECK(line.data() == readable.data() + pos);
    FUZZ_CHECK(line.find('\r') == std::string_view::npos);
    pos += line.size();
    if (pos == readable.size()) return;
    FUZZ_CHECK(readable[pos] == '\r');
    ++pos;
    if (pos < readable.size() && readable[pos] == '\n') ++pos;
  });
  FUZZ_CHECK(pos == readable.size());
}

// The pieces, joined again with CR LF, give the text back; they are the literal cut's pieces.
void CheckPieces(std::string_view text) {
  std::vector<std::string> expected = reference::CutAtCrLf(text);
  std::string joined;
  size_t count = 0;
  ForEachPiece(text, [&](std::string_view piece) {
    FUZZ_CHECK(count < expected.size() && piece == expected[count]);
    if (count > 0) joined += "\r\n";
    joined += piece;
    ++count;
  });
  FUZZ_CHECK(count == expected.size());
  FUZZ_CHECK(joined == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckFileLines(bytes);
  CheckPieces(bytes);
  return 0;
}
