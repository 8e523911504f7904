// The arithmetic of the display scale: layout pixels to device pixels and back, rectangles,
// centring and keeping inside.
#include "dialog_layer/layout_scale.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(LayoutScale, RoundsToTheNearestPixelWithHalvesToTheEvenOne) {
  struct Case {
    int layout, dpi, device;
  };
  const Case cases[] = {
      {5, 144, 8},     {3, 144, 4},    {-5, 144, -8},      {-3, 144, -4},
      {2, 120, 2},     {6, 120, 8},    {1, 120, 1},        {3, 120, 4},
      {335, 144, 502}, {310, 96, 310}, {9999, 192, 19998}, {INT_MAX, 192, INT_MAX},
      {7, 0, 7},  // a platform that reports no DPI gets 100 %
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleToDevice(c.layout, c.dpi), c.device) << c.layout << " at " << c.dpi;
  }
  EXPECT_EQ(ScaleToLayout(451, 144), 301);  // 300.67
  EXPECT_EQ(ScaleToLayout(3, 192), 2);      // 1.5
  EXPECT_EQ(ScaleToLayout(5, 192), 2);      // 2.5
  EXPECT_EQ(ScaleExtentToLayout(17, 144), 12);
  EXPECT_EQ(RescaleExtent(101, 144, 96), 68);
}

TEST(LayoutScale, ScalingBackGivesTheLayoutAgainAndMeasuredExtentsStayWhole) {
  for (int dpi : {96, 120, 144, 168, 192, 240}) {
    for (int n = -300; n <= 2000; ++n) {
      ASSERT_EQ(ScaleToLayout(ScaleToDevice(n, dpi), dpi), n) << n << " at " << dpi;
      if (n < 0) continue;
      int extent = ScaleExtentToLayout(n, dpi);
      ASSERT_GE(ScaleToDevice(extent, dpi), n) << "a control sized by it is cut at " << dpi;
      ASSERT_LE(extent - ScaleToLayout(n, dpi), 1) << n << " at " << dpi;
    }
  }
}

TEST(LayoutScale, RectanglesThatTouchKeepTouching) {
  LayoutRect list = ScaleRectToDevice({5, 10, 300, 280}, 144);
  EXPECT_EQ(list.x, 8);
  EXPECT_EQ(list.y, 15);
  EXPECT_EQ(list.width, 450);
  EXPECT_EQ(list.height, 420);
  for (int dpi : {120, 144, 168}) {
    for (int x = 0; x < 40; ++x) {
      for (int width = 1; width < 40; ++width) {
        LayoutRect left = ScaleRectToDevice({x, x, width, width}, dpi);
        LayoutRect right = ScaleRectToDevice({x + width, x + width, 5, 5}, dpi);
        ASSERT_EQ(left.x + left.width, right.x) << x << "+" << width << " at " << dpi;
        ASSERT_EQ(left.y + left.height, right.y) << x << "+" << width << " at " << dpi;
      }
    }
  }
}

TEST(LayoutScale, CentresRoundedDownAndKeepsInsideAsLittleAsItTakes) {
  EXPECT_EQ(CentredStart(0, 1024, 316), 354);
  EXPECT_EQ(CentredStart(0, 1024, 317), 353);
  EXPECT_EQ(CentredStart(100, 1124, 316), 454);
  EXPECT_EQ(CentredStart(0, 1024, 2000), 0) << "too large: 0";
  EXPECT_EQ(StartKeptInside(400, 804, 0, 1024), 220);
  EXPECT_EQ(StartKeptInside(200, 300, 0, 1024), 200) << "inside already";
  EXPECT_EQ(StartKeptInside(-30, 300, 0, 1024), 0);
  EXPECT_EQ(StartKeptInside(10, 3000, 0, 1024), 0) << "too large: the left edge";
}

}  // namespace
