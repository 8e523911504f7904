#include "dialog_layer/conversion_flags.h"

#include <gtest/gtest.h>

namespace {

// Windows fails a UTF-8 conversion given any flag but the invalid-characters one, or a default
// character, with ERROR_INVALID_FLAGS; Wine takes them all, so only this test can tell.
TEST(ConversionFlags, AreOnesEachCodePageTakes) {
  struct Case {
    uint32_t codePage;
    bool strict;
    ConversionFlags flags;
  };
  const Case cases[] = {
      {kUtf8CodePage, false, {0, 0, false}},
      {kUtf8CodePage, true, {kMbErrInvalidChars, kWcErrInvalidChars, false}},
      {kGb18030CodePage, true, {kMbErrInvalidChars, kWcErrInvalidChars, false}},
      {1252, false, {0, 0, false}},
      {1252, true, {kMbErrInvalidChars, kWcNoBestFitChars, true}},
      {932, true, {kMbErrInvalidChars, kWcNoBestFitChars, true}},
      {kUtf7CodePage, true, {0, 0, false}},
      {50220, true, {0, 0, false}},
      {57006, true, {0, 0, false}},
      {42, true, {0, 0, false}},
  };
  for (const Case& c : cases) {
    ConversionFlags flags = ConversionFlagsFor(c.codePage, c.strict);
    EXPECT_EQ(flags.toWide, c.flags.toWide) << c.codePage << " strict " << c.strict;
    EXPECT_EQ(flags.fromWide, c.flags.fromWide) << c.codePage << " strict " << c.strict;
    EXPECT_EQ(flags.reportsDefault, c.flags.reportsDefault) << c.codePage << " strict " << c.strict;
  }
}

TEST(ListFileCodePage, IsTheAnsiCodePageOrTheLegacyOneBehindUtf8) {
  EXPECT_EQ(ListFileCodePage(1252, 0, 0), 1252u);
  EXPECT_EQ(ListFileCodePage(932, 0, 0), 932u);
  EXPECT_EQ(ListFileCodePage(kUtf8CodePage, 1251, 1251), 1251u);
  EXPECT_EQ(ListFileCodePage(kUtf8CodePage, 0, 1250), 1250u) << "no legacy value (older systems)";
  EXPECT_EQ(ListFileCodePage(kUtf8CodePage, 0, kUtf8CodePage), 1252u);
  EXPECT_EQ(ListFileCodePage(kUtf8CodePage, 0, 0), 1252u) << "a Unicode-only locale";
}

}  // namespace
