// The dialogs at the display scale of the Wine prefix this runs in (QUILLET_TEST_DPI, set by
// run_display_scale_tests.sh): where the table puts them, every text whole (counters of 100,000
// entries too), inside the work area; and at 96 DPI, a move to a monitor at 144 DPI lays the
// main dialog out again.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include "dialog_layer/dialog_layer.h"
#include "dialogs/list_editor.h"
#include "dialogs/message_box_layout.h"
#include "dialogs/sized_message_box.h"
#include "list/main_list.h"
#include "main_dialog/main_dialog.h"
#include "main_dialog/main_dialog_text.h"
#include "support/dialog_script.h"
#include "support/wait.h"

namespace {

// Where a window (id 0: its client area) or control lies at 96, 144 and 192 DPI; at another
// DPI, the 96 DPI rectangle scaled, within one pixel.
struct Expected {
  int id;
  RECT at96, at144, at192;
};
const Expected kMainDialog[] = {
    {0, {0, 0, 310, 350}, {0, 0, 465, 525}, {0, 0, 620, 700}},
    {kMainListId, {5, 10, 305, 290}, {8, 15, 458, 435}, {10, 20, 610, 580}},
    {kShowItButtonId, {5, 290, 100, 320}, {8, 435, 150, 480}, {10, 580, 200, 640}},
    {kAnotherListButtonId, {110, 290, 205, 320}, {165, 435, 308, 480}, {220, 580, 410, 640}},
    {kChangeListButtonId, {210, 290, 305, 320}, {315, 435, 458, 480}, {420, 580, 610, 640}},
    {kHelpLabelId, {2, 335, 47, 351}, {3, 502, 70, 526}, {4, 670, 94, 702}},
};
// The help text with its widest line 330 pixels wide at 100 %: the box is 405 x 208 there.
const Expected kHelpBox[] = {
    {0, {0, 0, 399, 183}, {0, 0, 598, 274}, {0, 0, 798, 366}},
    {kBoxTextId, {50, 5, 380, 140}, {75, 8, 570, 210}, {100, 10, 760, 280}},
    {kBoxIconId, {10, 5, 42, 37}, {15, 8, 63, 56}, {20, 10, 84, 74}},
    {kBoxOkButtonId, {30, 138, 110, 168}, {45, 207, 165, 252}, {60, 276, 220, 336}},
};
const Expected kEditor[] = {
    {0, {0, 0, 300, 280}, {0, 0, 450, 420}, {0, 0, 600, 560}},
    {kListEditorEditId, {0, 0, 300, 280}, {0, 0, 450, 420}, {0, 0, 600, 560}},
};

template <size_t N>
void ExpectLaidOut(HWND dialog, const Expected (&rows)[N], int dpi) {
  LRESULT item = SendDlgItemMessageW(dialog, kMainListId, LB_GETITEMHEIGHT, 0, 0);
  for (const Expected& e : rows) {
    RECT rect = {};
    e.id ? GetWindowRect(GetDlgItem(dialog, e.id), &rect) : GetClientRect(dialog, &rect);
    MapWindowPoints(e.id ? nullptr : dialog, dialog, reinterpret_cast<POINT*>(&rect), 2);
    const RECT* row = dpi == 96 ? &e.at96 : dpi == 144 ? &e.at144 : dpi == 192 ? &e.at192 : nullptr;
    for (int edge = 0; edge < 4; ++edge) {
      double expected = row ? (&row->left)[edge] : (&e.at96.left)[edge] * dpi / 96.0;
      double found = (&rect.left)[edge];
      bool listKeepsToWholeItems = e.id == kMainListId && edge == 3 && found <= expected;
      if (listKeepsToWholeItems && found > expected - item) found = expected;
      EXPECT_NEAR(found, expected, row ? 0 : 1) << "id " << e.id << " edge " << edge;
    }
  }
}

// The text fits the room in the window's own font, its lines one under another.
void ExpectFits(HWND window, const std::wstring& text, LONG width, LONG height) {
  HDC context = GetDC(window);
  HGDIOBJ previous = SelectObject(context, HGDIOBJ(SendMessageW(window, WM_GETFONT, 0, 0)));
  RECT size = {};
  DrawTextW(context, text.c_str(), -1, &size, DT_CALCRECT);  // "&" marks a mnemonic
  SelectObject(context, previous);
  ReleaseDC(window, context);
  EXPECT_TRUE(size.right <= width && size.bottom <= height) << ToUtf8(text) << " " << width;
}

// A button draws its caption inside its edges.
void ExpectTextWhole(HWND dialog, std::initializer_list<int> ids) {
  for (int id : ids) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, id, text, 1024);
    RECT client = {};
    GetClientRect(GetDlgItem(dialog, id), &client);
    int edges = HasClass(GetDlgItem(dialog, id), L"Button") ? 2 * GetSystemMetrics(SM_CXEDGE) : 0;
    ExpectFits(GetDlgItem(dialog, id), text, client.right - edges, client.bottom);
  }
}

void ExpectMainDialog(HWND main, int dpi) {
  RECT frame = {};
  GetWindowRect(main, &frame);
  EXPECT_TRUE(frame.left == ScaleToDevice(2, dpi) && frame.top == frame.left) << frame.left;
  ExpectLaidOut(main, kMainDialog, dpi);
  ExpectTextWhole(main, {kShowItButtonId, kAnotherListButtonId, kChangeListButtonId, kHelpLabelId});
}

// The status bar draws a part's text 3 pixels in from its edges.
void ExpectPartWhole(HWND main, int partNumber) {
  HWND bar = GetDlgItem(main, kStatusBarId);
  wchar_t text[64] = {};
  SendMessageW(bar, SB_GETTEXTW, partNumber - 1, reinterpret_cast<LPARAM>(text));
  RECT part = {}, client = {};
  SendMessageW(bar, SB_GETRECT, partNumber - 1, reinterpret_cast<LPARAM>(&part));
  GetClientRect(bar, &client);
  ExpectFits(bar, text, std::min(part.right, client.right) - part.left - 6, part.bottom - part.top);
}

// The counter as it reads with the list shown, and with the longest counts of 5,000 and
// 100,000 entries; " F1-Help" whole in its part, under the label that takes its clicks.
void ExpectCounterWhole(HWND main) {
  ExpectPartWhole(main, kCounterPart);
  for (int32_t count : {5000, 100000}) {
    SetStatusText(main, kStatusBarId, kCounterPart, 0, CounterText(count - 1, count));
    ExpectPartWhole(main, kCounterPart);
  }
  ExpectPartWhole(main, kHelpPart);
  RECT part = {}, label = {};
  HWND bar = GetDlgItem(main, kStatusBarId);
  SendMessageW(bar, SB_GETRECT, kHelpPart - 1, reinterpret_cast<LPARAM>(&part));
  MapWindowPoints(bar, main, reinterpret_cast<POINT*>(&part), 2);
  GetWindowRect(GetDlgItem(main, kHelpLabelId), &label);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&label), 2);
  EXPECT_LE(label.right, part.right) << "the label lies over the help part";
}

// Opens a window; once it is open, checks it (inside the work area too) and closes it.
void CheckWhileOpen(const char* caption, const std::function<void()>& open,
                    const std::function<void(HWND)>& check, UINT closeMessage, WPARAM close) {
  auto find = [caption] { return FindWindowWithCaption(ThisThread(), caption); };
  StartScript({{caption, [find] { return find() != nullptr; },
                [=] {
                  RECT area = {}, frame = {};
                  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
                  GetWindowRect(find(), &frame);
                  EXPECT_TRUE(SubtractRect(&area, &frame, &area) == FALSE)
                      << "inside the work area";
                  check(find());
                  PostMessageW(find(), closeMessage, close, 0);
                }}});
  open();
  EXPECT_EQ(FinishScript(), "");
}

TEST(DisplayScale, TheDialogsAreTheLayoutScaledWithEveryTextWhole) {
  const int dpi = std::atoi(std::getenv("QUILLET_TEST_DPI"));
  HWND main = CreateMainDialog();
  ASSERT_EQ(WindowDpi(main), dpi) << "the prefix's DPI";
  ShowModeless(main, MainDialogCallback);  // loads the list beside the program
  ASSERT_TRUE(WaitUntil([main] { return ListCount(main, kMainListId) > 0; }));
  ExpectMainDialog(main, dpi);
  ExpectCounterWhole(main);
  std::string help = HelpText("C:\\Quillet\\", "C:\\Quillet\\myQuillet.txt");
  auto checkHelp = [dpi](HWND box) {
    ExpectLaidOut(box, kHelpBox, dpi);
    ExpectTextWhole(box, {kBoxTextId, kBoxOkButtonId});
  };
  CheckWhileOpen(
      "Program Help", [&] { SizedMessageBox(help, -64, "Program Help", 0, 200, 100); }, checkHelp,
      WM_COMMAND, kBoxOkButtonId);
  CheckWhileOpen(
      kListEditorCaption, [main] { SendCommand(main, kChangeListButtonId); },
      [dpi](HWND editor) { ExpectLaidOut(editor, kEditor, dpi); }, WM_SYSCOMMAND, SC_CLOSE);
  DismissDialog(main, 0);
}

TEST(DisplayScale, AMoveToAMonitorAt144LaysTheMainDialogOutAgain) {
  if (std::atoi(std::getenv("QUILLET_TEST_DPI")) != 96) GTEST_SKIP() << "moves from 96 DPI";
  HWND main = CreateMainDialog();
  RECT window = {};
  GetWindowRect(main, &window);
  // The platform's suggestion: the client scaled, the frame (Wine's at 96 DPI) as it is.
  RECT suggested = {3, 3, 3 + window.right - window.left + 155,
                    3 + window.bottom - window.top + 175};
  SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(WindowDpi(main), 144);
  GetWindowRect(main, &window);
  EXPECT_TRUE(EqualRect(&window, &suggested));
  ExpectMainDialog(main, 144);
  LOGFONTW font = {};
  GetObjectW(HGDIOBJ(SendDlgItemMessageW(main, kShowItButtonId, WM_GETFONT, 0, 0)), sizeof(font),
             &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(8, 144, 72)) << "8 points at 144 DPI";
  DestroyWindow(main);
}

}  // namespace
