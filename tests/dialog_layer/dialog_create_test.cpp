// NewDialog: styles, exact client size, placement, caption and dialog font.
#include <gtest/gtest.h>

#include "dialog_layer/layer_fixture.h"

namespace {

TEST(NewDialog, ClientAreaIsExactlyTheSizeAskedForWhateverTheFrame) {
  struct Case {
    DWORD style;
    int width;
    int height;
  };
  const Case cases[] = {
      {kMainDialogStyle, 310, 350},                       // overlapped: caption and system menu
      {0, 200, 100},                                      // the default popup with caption
      {WS_POPUP | WS_THICKFRAME | WS_CAPTION, 300, 280},  // sizing border
      {WS_POPUP, 40, 30},                                 // no frame at all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << c.style);
    WindowGuard dialog(MakeDialog(nullptr, 2, 2, c.width, c.height, c.style));
    ASSERT_NE(dialog.window, nullptr);
    SIZE client = ClientSizeOf(dialog.window);
    EXPECT_EQ(client.cx, c.width);
    EXPECT_EQ(client.cy, c.height);
    EXPECT_FALSE(IsWindowVisible(dialog.window)) << "a new dialog stays hidden";
  }
}

TEST(NewDialog, WithoutOwnerThePositionIsOnTheScreen) {
  WindowGuard dialog(MakeDialog(nullptr, 2, 2, 310, 350, kMainDialogStyle));
  RECT frame = WindowRectOf(dialog.window);
  EXPECT_EQ(frame.left, 2);
  EXPECT_EQ(frame.top, 2);
}

TEST(NewDialog, WithOwnerThePositionIsRelativeToTheOwnersClientArea) {
  WindowGuard owner(MakePlainWindow(100, 80));
  POINT origin = {0, 0};
  ClientToScreen(owner.window, &origin);
  ASSERT_NE(origin.x, 100) << "the owner's client origin must differ from its frame corner";
  WindowGuard dialog(MakeDialog(owner.window, 50, 50, 300, 280, WS_POPUP | WS_CAPTION));
  RECT frame = WindowRectOf(dialog.window);
  EXPECT_EQ(frame.left, origin.x + 50);
  EXPECT_EQ(frame.top, origin.y + 50);
}

TEST(NewDialog, CentreMarkerCentresOnTheWorkAreaWithTheFinalSize) {
  RECT area = WorkArea();
  WindowGuard owner(MakePlainWindow(600, 400));
  struct Case {
    HWND owner;
    int x;
    int y;
  };
  const Case cases[] = {{nullptr, kCentred, kCentred},
                        {owner.window, kCentred, 7},  // one marker is enough; owner ignored
                        {nullptr, 9, kCentred}};
  for (const Case& c : cases) {
    WindowGuard dialog(MakeDialog(c.owner, c.x, c.y, 200, 100));
    RECT frame = WindowRectOf(dialog.window);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    EXPECT_EQ(frame.left, (area.left + area.right - width) / 2);
    EXPECT_EQ(frame.top, (area.top + area.bottom - height) / 2);
    EXPECT_TRUE(StyleOf(dialog.window) & DS_CENTER);
  }
}

TEST(NewDialog, CentredDialogLargerThanTheWorkAreaStartsAtZero) {
  RECT area = WorkArea();
  int width = area.right - area.left + 300;
  int height = area.bottom - area.top + 300;
  WindowGuard dialog(MakeDialog(nullptr, kCentred, kCentred, width, height));
  RECT frame = WindowRectOf(dialog.window);
  EXPECT_EQ(frame.left, 0);
  EXPECT_EQ(frame.top, 0);
  EXPECT_EQ(ClientSizeOf(dialog.window).cx, width) << "no clamping to the screen";
}

TEST(NewDialog, StyleRules) {
  struct Case {
    const char* what;
    DWORD requested;
    bool withOwner;
    DWORD mustHave;
    DWORD mustLack;
  };
  const DWORD added = DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
  const Case cases[] = {
      {"style 0: popup, caption, modal frame, no system menu", 0, false,
       WS_POPUP | WS_CAPTION | DS_MODALFRAME | added, WS_SYSMENU | WS_VISIBLE},
      {"visible and system-modal bits are removed", WS_POPUP | WS_VISIBLE | DS_SYSMODAL, false,
       WS_POPUP | added, WS_VISIBLE | DS_SYSMODAL},
      {"overlapped style of the main dialog", kMainDialogStyle, false,
       WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION | added, WS_POPUP | WS_CHILD | WS_MAXIMIZEBOX},
      {"a child without owner becomes a popup", WS_CHILD | DS_ABSALIGN, false, WS_POPUP, WS_CHILD},
      {"a child with owner loses popup and absolute alignment", WS_CHILD | WS_POPUP | DS_ABSALIGN,
       true, WS_CHILD, WS_POPUP | DS_ABSALIGN},
  };
  WindowGuard owner(MakePlainWindow(300, 300));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WindowGuard dialog(
        MakeDialog(c.withOwner ? owner.window : nullptr, 10, 10, 100, 60, c.requested));
    ASSERT_NE(dialog.window, nullptr);
    DWORD style = static_cast<DWORD>(StyleOf(dialog.window));
    EXPECT_EQ(style & c.mustHave, c.mustHave) << std::hex << "style 0x" << style;
    EXPECT_EQ(style & c.mustLack, 0u) << std::hex << "style 0x" << style;
  }
}

TEST(NewDialog, ChildDialogWithOwnerIsPlacedInItsParentsClientArea) {
  WindowGuard owner(MakePlainWindow(100, 100));
  WindowGuard dialog(MakeDialog(owner.window, 20, 30, 120, 80, WS_CHILD));
  EXPECT_EQ(GetParent(dialog.window), owner.window);
  RECT inParent = WindowRectOf(dialog.window);
  MapWindowPoints(nullptr, owner.window, reinterpret_cast<POINT*>(&inParent), 2);
  EXPECT_EQ(inParent.left, 20);
  EXPECT_EQ(inParent.top, 30);
}

TEST(NewDialog, CaptionAndDialogFont) {
  WindowGuard dialog(
      NewDialog(kPixelMode, nullptr, "Caf\xC3\xA9 list", 0, 0, 200, 100, kMainDialogStyle, 0));
  wchar_t caption[32] = {};
  GetWindowTextW(dialog.window, caption, 32);
  EXPECT_STREQ(caption, L"Caf\u00E9 list");

  auto font = reinterpret_cast<HFONT>(SendMessageW(dialog.window, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr) << "the dialog has the template's font";
  LOGFONTW description = {};
  ASSERT_NE(GetObjectW(font, sizeof(description), &description), 0);
  EXPECT_STREQ(description.lfFaceName, L"MS Sans Serif");
  EXPECT_EQ(description.lfWeight, 700) << "the template asks for 700 for a given weight";
  EXPECT_EQ(description.lfItalic, 0);
  HDC screen = GetDC(nullptr);
  int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(description.lfHeight, -MulDiv(8, pixelsPerInch, 72)) << "8 points";
}

}  // namespace
