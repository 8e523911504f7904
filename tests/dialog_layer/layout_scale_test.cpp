// The arithmetic of the display scale: layout pixels to device pixels and back, rectangles,
// centring and keeping inside.
#include "dialog_layer/layout_scale.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

namespace {

TEST(LayoutScale, RoundsHalvesToEvenScalesBackAndKeepsTouchingRectanglesTouching) {
  struct Case {
    int layout, dpi, device;
  };
  for (Case c :
       {Case{5, 144, 8}, Case{3, 144, 4}, Case{-5, 144, -8}, Case{2, 120, 2}, Case{6, 120, 8},
        Case{335, 144, 502}, Case{310, 96, 310}, Case{INT_MAX, 192, INT_MAX}, Case{7, 0, 7}}) {
    EXPECT_EQ(ScaleToDevice(c.layout, c.dpi), c.device) << c.layout << " at " << c.dpi;
  }
  EXPECT_EQ(ScaleToLayout(5, 192), 2);  // 2.5
  EXPECT_EQ(RescaleExtent(101, 144, 96), 68);
  for (int dpi : {96, 120, 144, 168, 192}) {
    for (int n = -300; n <= 2000; ++n) {
      ASSERT_EQ(ScaleToLayout(ScaleToDevice(n, dpi), dpi), n) << n << " at " << dpi;
      ASSERT_GE(ScaleToDevice(ScaleExtentToLayout(std::abs(n), dpi), dpi), std::abs(n)) << "held";
      LayoutRect left = ScaleRectToDevice({n, n, 37, 37}, dpi);
      LayoutRect right = ScaleRectToDevice({n + 37, n + 37, 5, 5}, dpi);
      ASSERT_EQ(left.x + left.width, right.x) << n << " at " << dpi;
    }
  }
}

TEST(LayoutScale, CentresRoundedDownAndKeepsInsideAsLittleAsItTakes) {
  EXPECT_EQ(CentredStart(0, 1024, 317), 353);
  EXPECT_EQ(CentredStart(100, 1124, 316), 454);
  EXPECT_EQ(CentredStart(0, 1024, 2000), 0);
  EXPECT_EQ(StartKeptInside(400, 804, 0, 1024), 220);
  EXPECT_EQ(StartKeptInside(200, 300, 0, 1024), 200) << "inside already";
  EXPECT_EQ(StartKeptInside(10, 3000, 0, 1024), 0) << "too large: the left edge";
}

}  // namespace
