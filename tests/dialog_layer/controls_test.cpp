// AddControl and the operations on a dialog's controls: styles, font, records, text, sizes,
// focus.
#include <gtest/gtest.h>

#include "dialog_layer/layer_fixture.h"
#include "dialog_layer/window_records.h"
#include "support/dialog_windows.h"

namespace {

TEST(AddControl, StylesOfEveryControlTheProgramMakes) {
  struct Case {
    const char* what;
    int kind;
    DWORD style;
    const wchar_t* windowClass;
    DWORD created;
    DWORD extended;
    DWORD platformBits = 0;  // bits the platform itself sets or clears after creation
    bool keepsFont = true;   // an icon label holds no font
  };
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  constexpr DWORD kEditorBox = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL;
  const Case cases[] = {
      {"main list", kListBox, kMainListStyle, L"ListBox", kChild | LBS_NOTIFY | kMainListStyle, 0},
      {"push button", kPushButton, 0, L"Button", kChild | WS_TABSTOP, 0},
      {"help label", kLabel, SS_NOTIFY, L"Static", kChild | SS_NOTIFY, 0},
      {"status bar", kStatusBar, 0, L"msctls_statusbar32", kChild | CCS_BOTTOM, 0},
      {"editor's edit box", kTextBox, kEditorBox, L"Edit", kChild | kEditorBox, 0},
      {"message label", kLabel, 0, L"Static", kChild, 0},
      {"icon label", kLabel, SS_ICON, L"Static", kChild | SS_ICON, 0, 0, false},
      {"default button", kPushButton, BS_DEFPUSHBUTTON, L"Button", kChild | BS_DEFPUSHBUTTON, 0},
      {"default text box: client edge for border", kTextBox, 0, L"Edit",
       kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
      // An empty list box drops its vertical scroll bar unless LBS_DISABLENOSCROLL keeps it.
      {"default list box: client edge for border", kListBox, 0, L"ListBox",
       kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_SORT, WS_EX_CLIENTEDGE, WS_VSCROLL},
  };
  WindowGuard dialog(MakeDialog(nullptr, 0, 0, 300, 200));
  auto dialogFont = SendMessageW(dialog.window, WM_GETFONT, 0, 0);
  int id = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AddControl(c.kind, dialog.window, ++id, "x", 5, 5, 80, 40, c.style, 0);
    HWND control = GetDlgItem(dialog.window, id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(lstrcmpiW(ClassOf(control).c_str(), c.windowClass), 0);
    DWORD style = static_cast<DWORD>(StyleOf(control)) & ~c.platformBits;
    EXPECT_EQ(style, c.created & ~c.platformBits)
        << std::hex << "expected 0x" << c.created << ", got 0x" << style;
    EXPECT_EQ(ExtendedStyleOf(control) & WS_EX_CLIENTEDGE, c.extended);
    if (c.keepsFont) {
      EXPECT_EQ(SendMessageW(control, WM_GETFONT, 0, 0), dialogFont) << "the dialog's font";
    }
  }
}

TEST(AddControl, MakesNothingWithoutALayerDialogOrForAnUnknownKind) {
  WindowGuard plain(MakePlainWindow(0, 0));
  AddControl(kPushButton, plain.window, 7, "No", 0, 0, 50, 20, 0, 0);
  EXPECT_EQ(GetDlgItem(plain.window, 7), nullptr);

  WindowGuard dialog(MakeDialog(nullptr, 0, 0, 100, 100));
  AddControl(3, dialog.window, 8, "check box kind is not built", 0, 0, 50, 20, 0, 0);
  EXPECT_EQ(GetDlgItem(dialog.window, 8), nullptr);
}

TEST(WindowRecords, ReleasedWithTheDialogAndItsControls) {
  size_t before = RecordCount();
  HWND dialog = MakeDialog(nullptr, 0, 0, 200, 200);
  AddControl(kListBox, dialog, 101, "", 0, 0, 100, 100, 0, 0);
  AddControl(kPushButton, dialog, 201, "OK", 0, 110, 50, 20, 0, 0);
  AddControl(kStatusBar, dialog, 204, "", 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(RecordCount(), before + 4);
  DestroyWindow(dialog);
  EXPECT_EQ(RecordCount(), before);
}

TEST(StatusBar, FollowsTheBottomOfTheDialogWhenTheDialogIsResized) {
  WindowGuard dialog(MakeDialog(nullptr, 0, 0, 310, 350, kMainDialogStyle));
  AddControl(kStatusBar, dialog.window, 204, "", 0, 0, 0, 0, 0, 0);
  HWND bar = ControlHandle(dialog.window, 204);
  auto bottomOfBar = [&] {
    RECT rect = WindowRectOf(bar);
    MapWindowPoints(nullptr, dialog.window, reinterpret_cast<POINT*>(&rect), 2);
    return rect.bottom;
  };
  EXPECT_EQ(bottomOfBar(), 350);
  RECT frame = WindowRectOf(dialog.window);
  SetControlSize(dialog.window, kTheDialog, frame.right - frame.left + 40,
                 frame.bottom - frame.top + 60);
  EXPECT_EQ(GetClientSize(dialog.window, kTheDialog).cy, 410);
  EXPECT_EQ(bottomOfBar(), 410) << "WM_SIZE is passed on to the controls";
}

TEST(ControlAccess, TextSizeAndHandle) {
  WindowGuard dialog(MakeDialog(nullptr, 0, 0, 300, 200));
  AddControl(kLabel, dialog.window, 5, "caf\xC3\xA9", 10, 10, 100, 20, 0, 0);
  HWND label = ControlHandle(dialog.window, 5);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(ControlHandle(dialog.window, 6), nullptr);

  EXPECT_EQ(GetControlText(label), "caf\xC3\xA9");
  SetWindowTextW(label, L"");
  EXPECT_EQ(GetControlText(label), "");
  SetWindowTextW(label, L"a\u4E2Db\U0001F600");
  EXPECT_EQ(GetControlText(label),
            "a\xE4\xB8\xAD"
            "b\xF0\x9F\x98\x80")
      << "every character comes back";
  SetWindowTextW(label, L"a\xD800");
  EXPECT_EQ(GetControlText(label), "a\xEF\xBF\xBD") << "half a pair becomes U+FFFD";
  EXPECT_EQ(GetControlText(nullptr), "");

  SetControlSize(dialog.window, 5, 120, 40);
  SIZE size = GetClientSize(dialog.window, 5);
  EXPECT_EQ(size.cx, 120);
  EXPECT_EQ(size.cy, 40);
  RECT rect = WindowRectOf(label);
  MapWindowPoints(nullptr, dialog.window, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 10) << "resizing does not move";

  SIZE client = GetClientSize(dialog.window, kTheDialog);
  EXPECT_EQ(client.cx, 300);
  EXPECT_EQ(client.cy, 200);
  SIZE missing = GetClientSize(dialog.window, 99);
  EXPECT_EQ(missing.cx, 0);
  EXPECT_EQ(missing.cy, 0);
}

TEST(ControlAccess, FocusControlFocusesTheControlOfAShownDialog) {
  WindowGuard dialog(MakeDialog(nullptr, 0, 0, 300, 200, kMainDialogStyle));
  AddControl(kPushButton, dialog.window, 201, "One", 10, 10, 80, 25, 0, 0);
  AddControl(kPushButton, dialog.window, 202, "Two", 10, 50, 80, 25, 0, 0);
  ShowModeless(dialog.window, nullptr);
  FocusControl(dialog.window, 202);
  EXPECT_EQ(GetFocus(), ControlHandle(dialog.window, 202));
  FocusControl(dialog.window, 201);
  EXPECT_EQ(GetFocus(), ControlHandle(dialog.window, 201));
  FocusControl(dialog.window, 999);
  EXPECT_EQ(GetFocus(), ControlHandle(dialog.window, 201)) << "no such control: focus stays";
}

}  // namespace
