// SetColors and the answers to WM_CTLCOLOR*: defaults per message, transparency, real colours
// and shared brushes.
#include <gtest/gtest.h>

#include "dialog_layer/layer_fixture.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A memory device context to receive the colours the dialog chooses.
struct TestDc {
  HDC dc = CreateCompatibleDC(nullptr);
  ~TestDc() { DeleteDC(dc); }
};

// The dialog procedure's own answer, before the platform's default dialog handling would put
// its brush in place of a 0.
HBRUSH AskColor(HWND dialog, UINT message, HDC dc, HWND window) {
  auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC));
  return reinterpret_cast<HBRUSH>(
      procedure(dialog, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
}

COLORREF BrushColor(HBRUSH brush) {
  LOGBRUSH description = {};
  GetObjectW(brush, sizeof(description), &description);
  return description.lbColor;
}

struct ColorDialog {
  WindowGuard dialog{MakeDialog(nullptr, 0, 0, 200, 100)};
  HWND label;
  HWND other;
  ColorDialog() {
    AddControl(kLabel, dialog.window, 5, "label", 0, 0, 50, 20, 0, 0);
    AddControl(kLabel, dialog.window, 6, "other", 0, 30, 50, 20, 0, 0);
    label = ControlHandle(dialog.window, 5);
    other = ControlHandle(dialog.window, 6);
  }
};

TEST(Colors, AColouredDialogLeavesItsUncolouredLabelToThePlatform) {
  ColorDialog d;
  TestDc dc;
  SetColors(d.dialog.window, kTheDialog, kDefaultColor, kWhite);
  HBRUSH dialogBrush = AskColor(d.dialog.window, WM_CTLCOLORDLG, dc.dc, d.dialog.window);
  ASSERT_NE(dialogBrush, nullptr);
  EXPECT_EQ(BrushColor(dialogBrush), kWhite);
  EXPECT_EQ(GetBkColor(dc.dc), kWhite);
  EXPECT_EQ(GetTextColor(dc.dc), GetSysColor(COLOR_WINDOWTEXT));

  SetTextColor(dc.dc, RGB(1, 2, 3));
  EXPECT_EQ(AskColor(d.dialog.window, WM_CTLCOLORSTATIC, dc.dc, d.label), nullptr);
  EXPECT_EQ(GetTextColor(dc.dc), RGB(1, 2, 3)) << "an uncoloured control is not touched";

  SetColors(d.dialog.window, 5, RGB(0, 0, 0), kWhite);
  EXPECT_EQ(AskColor(d.dialog.window, WM_CTLCOLORSTATIC, dc.dc, d.label), dialogBrush)
      << "coloured too, it shares the dialog's white brush";
}

TEST(Colors, DefaultColoursFollowTheMessage) {
  struct Case {
    UINT message;
    int text;
    int background;
  };
  const Case cases[] = {
      {WM_CTLCOLORMSGBOX, COLOR_MENUTEXT, COLOR_MENU},
      {WM_CTLCOLOREDIT, COLOR_WINDOWTEXT, COLOR_WINDOW},
      {WM_CTLCOLORLISTBOX, COLOR_WINDOWTEXT, COLOR_WINDOW},
      {WM_CTLCOLORBTN, COLOR_BTNTEXT, COLOR_BTNFACE},
      {WM_CTLCOLORDLG, COLOR_WINDOWTEXT, COLOR_BTNFACE},
      {WM_CTLCOLORSCROLLBAR, COLOR_WINDOWTEXT, COLOR_SCROLLBAR},
      {WM_CTLCOLORSTATIC, COLOR_WINDOWTEXT, COLOR_BTNFACE},
  };
  ColorDialog d;
  TestDc dc;
  SetColors(d.dialog.window, 5, -7, -5);  // any negative colour but -2 means the default
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.message);
    HBRUSH brush = AskColor(d.dialog.window, c.message, dc.dc, d.label);
    EXPECT_EQ(brush, GetSysColorBrush(c.background));
    EXPECT_EQ(GetTextColor(dc.dc), GetSysColor(c.text));
    EXPECT_EQ(GetBkColor(dc.dc), GetSysColor(c.background));
  }
}

TEST(Colors, TransparentAndRealColours) {
  ColorDialog d;
  TestDc dc;
  SetColors(d.dialog.window, 5, 0x7F123456, kTransparentColor);
  EXPECT_EQ(AskColor(d.dialog.window, WM_CTLCOLORSTATIC, dc.dc, d.label),
            GetStockObject(NULL_BRUSH));
  EXPECT_EQ(GetBkMode(dc.dc), TRANSPARENT);
  EXPECT_EQ(GetTextColor(dc.dc), 0x123456u) << "colours are masked to 24 bits";

  SetColors(d.dialog.window, 5, kDefaultColor, 0x01ABCDEF);
  HBRUSH brush = AskColor(d.dialog.window, WM_CTLCOLORSTATIC, dc.dc, d.label);
  EXPECT_EQ(BrushColor(brush), 0xABCDEFu);
  EXPECT_EQ(GetBkColor(dc.dc), 0xABCDEFu);
}

TEST(Colors, OneBrushPerColourDeletedWhenNoWindowUsesItAnyMore) {
  ColorDialog d;
  TestDc dc;
  const COLORREF yellow = RGB(255, 255, 0);
  SetColors(d.dialog.window, 5, 0, yellow);
  SetColors(d.dialog.window, 6, 0, yellow);
  HBRUSH shared = AskColor(d.dialog.window, WM_CTLCOLORSTATIC, dc.dc, d.label);
  EXPECT_EQ(AskColor(d.dialog.window, WM_CTLCOLORSTATIC, dc.dc, d.other), shared);

  SetColors(d.dialog.window, 5, 0, yellow);
  EXPECT_EQ(AskColor(d.dialog.window, WM_CTLCOLORSTATIC, dc.dc, d.label), shared)
      << "setting the same colour again keeps the brush";
  SetColors(d.dialog.window, 5, 0, kWhite);
  EXPECT_EQ(GetObjectType(shared), static_cast<DWORD>(OBJ_BRUSH)) << "still used by the other";
  SetColors(d.dialog.window, 6, 0, kDefaultColor);
  EXPECT_EQ(GetObjectType(shared), 0u) << "no window uses yellow any more";

  HBRUSH white = AskColor(d.dialog.window, WM_CTLCOLORSTATIC, dc.dc, d.label);
  EXPECT_EQ(GetObjectType(white), static_cast<DWORD>(OBJ_BRUSH));
  DestroyWindow(d.dialog.window);
  EXPECT_EQ(GetObjectType(white), 0u) << "released with the dialog's records";
}

TEST(Colors, UnknownTargetsAreIgnored) {
  ColorDialog d;
  TestDc dc;
  SetColors(d.dialog.window, 77, 0, kWhite);
  WindowGuard plain(MakePlainWindow(0, 0));
  SetColors(plain.window, kTheDialog, 0, kWhite);
  EXPECT_EQ(AskColor(d.dialog.window, WM_CTLCOLORDLG, dc.dc, d.dialog.window), nullptr);
  EXPECT_EQ(AskColor(d.dialog.window, WM_CTLCOLORSTATIC, dc.dc, plain.window), nullptr);
}

}  // namespace
