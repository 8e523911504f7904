#include "list/file_stamp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HashBytes, IsFnv1a64AndContinuesAcrossPieces) {
  EXPECT_EQ(HashBytes(""), 0xCBF29CE484222325u);
  EXPECT_EQ(HashBytes("a"), 0xAF63DC4C8601EC8Cu);
  EXPECT_EQ(HashBytes("foobar"), 0x85944171F73967E8u);
  const std::string bytes = "http://a.example, A\r\nhttp://b.example, B\r\n\xE9\x80";
  for (size_t cut = 0; cut <= bytes.size(); ++cut) {
    uint64_t pieces = HashBytes(bytes.substr(cut), HashBytes(bytes.substr(0, cut)));
    EXPECT_EQ(pieces, HashBytes(bytes)) << "cut at " << cut;
  }
  EXPECT_NE(HashBytes("ab"), HashBytes("ba"));
  EXPECT_NE(HashBytes(std::string(1, '\0')), HashBytes(""));
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
