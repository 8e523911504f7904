#include "list/file_stamp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileContentHash, ContinuesAcrossPiecesOfWholeWords) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 37 % 251);
  for (size_t cut = 0; cut <= bytes.size(); cut += 8) {
    uint64_t pieces = FileContentHash(bytes.substr(cut), FileContentHash(bytes.substr(0, cut)));
    EXPECT_EQ(pieces, FileContentHash(bytes)) << "cut at " << cut;
  }
}

// Whatever byte another program changes, adds or takes away, the hash tells.
TEST(FileContentHash, TellsEveryOneByteChange) {
  const std::string bytes = "http://a.example, A\r\nhttp://b.example, B\r\nwww.c.example\r\n";
  const uint64_t original = FileContentHash(bytes);
  for (size_t at = 0; at < bytes.size(); ++at) {
    for (int change : {1, 0x80, 0xFF}) {
      std::string changed = bytes;
      changed[at] = static_cast<char>(changed[at] ^ change);
      EXPECT_NE(FileContentHash(changed), original) << "byte " << at << " ^ " << change;
    }
    EXPECT_NE(FileContentHash(bytes.substr(0, at) + bytes.substr(at + 1)), original)
        << "without " << at;
  }
  for (size_t zeros = 1; zeros <= 16; ++zeros) {
    EXPECT_NE(FileContentHash(bytes + std::string(zeros, '\0')), original)
        << zeros << " zeros added";
  }
}

TEST(IsUnchangedSince, SameBytesDecideWhenBothWereRead) {
  const FileStamp read{true, true, 120, 1000, 77};
  const FileStamp missing{};
  FileStamp sizeOnly = read;  // held open by another program: only its size and time known
  sizeOnly.read = false;
  sizeOnly.hash = 0;
  struct Case {
    const char* what;
    FileStamp loaded, now;
    bool unchanged;
  };
  auto with = [](FileStamp stamp, auto change) {
    change(stamp);
    return stamp;
  };
  const Case cases[] = {
      {"untouched", read, read, true},
      {"saved again with the same bytes", read,
       with(read, [](FileStamp& s) { s.lastWrite = 2000; }), true},
      {"same size, other bytes, same time", read, with(read, [](FileStamp& s) { s.hash = 78; }),
       false},
      {"other size", read, with(read, [](FileStamp& s) { s.size = 121; }), false},
      {"removed", read, missing, false},
      {"made where there was none", missing, read, false},
      {"still none", missing, missing, true},
      {"now unreadable, same size and time", read, sizeOnly, true},
      {"now unreadable, other time", read, with(sizeOnly, [](FileStamp& s) { s.lastWrite = 3; }),
       false},
      {"now unreadable, other size", read, with(sizeOnly, [](FileStamp& s) { s.size = 5; }), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsUnchangedSince(c.loaded, c.now), c.unchanged) << c.what;
  }
}

}  // namespace
