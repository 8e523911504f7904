// The dialogs at the display scale of the Wine prefix this runs in (QUILLET_TEST_DPI, which
// run_display_scale_tests.sh sets with the prefix's LogPixels; it also puts a list beside this
// program, where the main dialog looks for its default list). At every scale the windows and
// controls lie where the 100 % layout, scaled, puts them, no text is cut, nothing overlaps, the
// help box and the editor lie inside the work area, and the platform's own notice and open-file
// dialog scale themselves. At 96 DPI, a move to a monitor at 144 DPI (WM_DPICHANGED) lays the
// main dialog out as it is made at 144.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>

#include "dialog_layer/dialog_layer.h"
#include "dialogs/list_editor.h"
#include "dialogs/message_box_layout.h"
#include "list/main_list.h"
#include "main_dialog/main_dialog.h"
#include "support/dialog_script.h"
#include "support/wait.h"

namespace {

int TestDpi() {
  const char* dpi = std::getenv("QUILLET_TEST_DPI");
  return dpi ? std::atoi(dpi) : 96;
}

// Where a window or control lies at 96, 144 and 192 DPI, in its dialog's client area; at another
// DPI, where the 96 DPI rectangle scaled lies, within one pixel. Id 0 is the client area.
struct Expected {
  int id;
  RECT at96 = {}, at144 = {}, at192 = {};
};
const Expected kMainDialog[] = {
    {0, {0, 0, 310, 350}, {0, 0, 465, 525}, {0, 0, 620, 700}},
    {kMainListId, {5, 10, 305, 290}, {8, 15, 458, 435}, {10, 20, 610, 580}},
    {kShowItButtonId, {5, 290, 100, 320}, {8, 435, 150, 480}, {10, 580, 200, 640}},
    {kAnotherListButtonId, {110, 290, 205, 320}, {165, 435, 308, 480}, {220, 580, 410, 640}},
    {kChangeListButtonId, {210, 290, 305, 320}, {315, 435, 458, 480}, {420, 580, 610, 640}},
    {kHelpLabelId, {2, 335, 47, 351}, {3, 502, 70, 526}, {4, 670, 94, 702}},
};
const Expected kEditor[] = {
    {0, {0, 0, 300, 280}, {0, 0, 450, 420}, {0, 0, 600, 560}},
    {kListEditorEditId, {0, 0, 300, 280}, {0, 0, 450, 420}, {0, 0, 600, 560}},
};
// The help box's icon; its text and button follow the size of its text (ExpectHelpBox).
const Expected kHelpIcon = {kBoxIconId, {10, 5, 42, 37}, {15, 8, 63, 56}, {20, 10, 84, 74}};

RECT RectInClient(HWND dialog, int id) {
  RECT rect = {};
  if (id == 0) {
    GetClientRect(dialog, &rect);
  } else {
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

// shortBy: the bottom edge may lie that much higher (a list keeps to whole items). A row with
// no rectangle at the DPI asks for the 96 DPI one scaled.
void ExpectRect(HWND dialog, const Expected& e, int dpi, int shortBy = 0) {
  const RECT* row = dpi == 96 ? &e.at96 : dpi == 144 ? &e.at144 : dpi == 192 ? &e.at192 : nullptr;
  if (row && IsRectEmpty(row)) row = nullptr;
  RECT rect = RectInClient(dialog, e.id);
  const LONG* actual = &rect.left;
  const LONG* at96 = &e.at96.left;
  for (int edge = 0; edge < 4; ++edge) {
    double expected = row ? (&row->left)[edge] : at96[edge] * dpi / 96.0;
    double found = actual[edge];
    if (edge == 3 && found < expected && found > expected - shortBy) found = expected;
    EXPECT_NEAR(found, expected, row ? 0 : 1) << "id " << e.id << ", edge " << edge;
  }
}

HFONT FontOf(HWND window) {
  return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

// The text's extent in the font: its widest line, and a line height for each line.
SIZE ExtentInFont(HWND window, HFONT font, const std::wstring& text) {
  HDC context = GetDC(window);
  HGDIOBJ previous = SelectObject(context, font);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(context, &metrics);
  SIZE whole = {0, 0};
  for (size_t start = 0; start <= text.size();) {
    size_t end = std::min(text.find(L"\r\n", start), text.size());
    SIZE line = {0, 0};
    GetTextExtentPoint32W(context, text.data() + start, static_cast<int>(end - start), &line);
    whole.cx = std::max(whole.cx, line.cx);
    whole.cy += metrics.tmHeight;
    start = end + 2;
  }
  SelectObject(context, previous);
  ReleaseDC(window, context);
  return whole;
}

SIZE ExtentInOwnFont(HWND window, const std::wstring& text) {
  return ExtentInFont(window, FontOf(window), text);
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  std::wstring shown = text;
  shown.erase(std::remove(shown.begin(), shown.end(), L'&'), shown.end());  // mnemonics
  return shown;
}

// A button draws its caption inside its edges.
void ExpectTextWhole(HWND control) {
  std::wstring text = TextOf(control);
  SIZE extent = ExtentInOwnFont(control, text);
  RECT client = {};
  GetClientRect(control, &client);
  int edges = HasClass(control, L"Button") ? 2 * GetSystemMetrics(SM_CXEDGE) : 0;
  EXPECT_LE(extent.cx + edges, client.right) << ToAnsi(text);
  EXPECT_LE(extent.cy, client.bottom) << ToAnsi(text);
}

void ExpectApart(HWND dialog, std::initializer_list<int> ids) {
  for (int a : ids) {
    for (int b : ids) {
      RECT first = RectInClient(dialog, a), second = RectInClient(dialog, b), both;
      if (a < b) {
        EXPECT_FALSE(IntersectRect(&both, &first, &second)) << a << " and " << b;
      }
    }
  }
}

// Where a window placed at (x, y) goes when it is kept inside the work area.
void ExpectPlacedInsideWorkArea(HWND window, POINT placed) {
  RECT area = {}, frame = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, std::min(placed.x, area.right - (frame.right - frame.left)));
  EXPECT_EQ(frame.top, std::min(placed.y, area.bottom - (frame.bottom - frame.top)));
  RECT inside = {};
  IntersectRect(&inside, &frame, &area);
  EXPECT_TRUE(EqualRect(&inside, &frame)) << "inside the work area";
}

void ExpectMainDialog(HWND main, int dpi) {
  LRESULT itemHeight = SendDlgItemMessageW(main, kMainListId, LB_GETITEMHEIGHT, 0, 0);
  for (const Expected& e : kMainDialog)
    ExpectRect(main, e, dpi, e.id == kMainListId ? itemHeight : 0);
  for (int id : {kShowItButtonId, kAnotherListButtonId, kChangeListButtonId, kHelpLabelId}) {
    ExpectTextWhole(GetDlgItem(main, id));
  }
  ExpectApart(main, {kMainListId, kShowItButtonId, kAnotherListButtonId, kChangeListButtonId,
                     kHelpLabelId});
  int edges[2] = {};
  SendDlgItemMessageW(main, kStatusBarId, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[0], ScaleToDevice(200, dpi) - 1) << "the help part";
}

// The status bar draws a part's text 3 pixels in from its edges.
void ExpectCounterWhole(HWND main) {
  HWND bar = GetDlgItem(main, kStatusBarId);
  wchar_t text[64] = {};
  SendMessageW(bar, SB_GETTEXTW, kCounterPart - 1, reinterpret_cast<LPARAM>(text));
  RECT part = {}, client = {};
  SendMessageW(bar, SB_GETRECT, kCounterPart - 1, reinterpret_cast<LPARAM>(&part));
  GetClientRect(bar, &client);
  EXPECT_NE(text[0], L'\0');
  EXPECT_LE(ExtentInOwnFont(bar, text).cx + 6, std::min(part.right, client.right) - part.left);
}

// Today's help box is sized by its lines in the dialog font at 96 DPI: (50 + widest + 25) by
// (100 + line height x lines), frame and title bar included, at least 220 by 120.
void ExpectHelpBox(HWND box, int dpi) {
  HWND label = GetDlgItem(box, kBoxTextId);
  LOGFONTW description = {};
  GetObjectW(FontOf(label), sizeof(description), &description);
  description.lfHeight = -MulDiv(8, 96, 72);
  HFONT fontAt96 = CreateFontIndirectW(&description);
  std::wstring text = TextOf(label);
  SIZE text96 = ExtentInFont(label, fontAt96, text);
  SIZE line96 = ExtentInFont(label, fontAt96, L"");
  DeleteObject(fontAt96);
  int lines = text96.cy / line96.cy;
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  auto adjust = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  RECT frame = {};
  adjust(&frame, GetWindowLongW(box, GWL_STYLE), FALSE, GetWindowLongW(box, GWL_EXSTYLE), 96);
  int width = std::max(220, 50 + static_cast<int>(text96.cx) + 25);
  int height = std::max(120, static_cast<int>(line96.cy) * lines + 100);
  int clientWidth = width - (frame.right - frame.left);
  int clientHeight = height - (frame.bottom - frame.top);
  ExpectRect(box, {0, {0, 0, clientWidth, clientHeight}}, dpi);  // nothing in the table: scaled
  ExpectRect(box, {kBoxTextId, {50, 5, 50 + text96.cx, 5 + 15 * lines}}, dpi);
  ExpectRect(box, {kBoxOkButtonId, {30, height - 70, 110, height - 40}}, dpi);
  ExpectRect(box, kHelpIcon, dpi);
  ExpectTextWhole(label);
  ExpectTextWhole(GetDlgItem(box, kBoxOkButtonId));
  // The label is 15 pixels high for each line, more than its lines take: only they must end
  // above the button.
  ExpectApart(box, {kBoxTextId, kBoxIconId});
  ExpectApart(box, {kBoxIconId, kBoxOkButtonId});
  EXPECT_LE(RectInClient(box, kBoxTextId).top + ExtentInOwnFont(label, text).cy,
            RectInClient(box, kBoxOkButtonId).top);
  ExpectPlacedInsideWorkArea(box, {ScaleToDevice(200, dpi), ScaleToDevice(100, dpi)});
}

void ExpectEditor(HWND editor, HWND main, int dpi) {
  for (const Expected& e : kEditor) ExpectRect(editor, e, dpi);
  HWND edit = GetDlgItem(editor, kListEditorEditId);
  wchar_t line[256] = {255};
  std::wstring first(line, SendMessageW(edit, EM_GETLINE, 0, reinterpret_cast<LPARAM>(line)));
  EXPECT_EQ(first.rfind(L"http", 0), 0u) << "the first entry";
  LRESULT margins = SendMessageW(edit, EM_GETMARGINS, 0, 0);
  RECT client = {};
  GetClientRect(edit, &client);
  SIZE extent = ExtentInOwnFont(edit, first);
  EXPECT_LE(extent.cx + LOWORD(margins) + HIWORD(margins), client.right);
  EXPECT_LE(extent.cy, client.bottom);
  POINT origin = {ScaleToDevice(50, dpi), ScaleToDevice(50, dpi)};
  ClientToScreen(main, &origin);
  ExpectPlacedInsideWorkArea(editor, origin);
}

// The platform's own dialogs scale themselves: their texts are in a font made for this DPI (of
// 8 points at least) and none is cut.
void ExpectScaledByThePlatform(HWND dialog, int dpi) {
  int checked = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    bool textControl = HasClass(child, L"Static") || HasClass(child, L"Button");
    if (!textControl || !IsWindowVisible(child) || GetWindowTextLengthW(child) == 0) continue;
    LOGFONTW font = {};
    GetObjectW(FontOf(child), sizeof(font), &font);
    EXPECT_GE(std::abs(font.lfHeight), MulDiv(8, dpi, 72)) << ToAnsi(TextOf(child));
    ExpectTextWhole(child);
    ++checked;
  }
  EXPECT_GE(checked, 2) << "a text and a button at least";
}

// Runs the command of the main dialog; once the window with the caption is open, checks it and
// closes it with the message.
void CheckWindowOfCommand(HWND main, int command, const char* caption,
                          const std::function<void(HWND)>& check, UINT closeMessage, WPARAM close) {
  StartScript(
      {{caption, [caption] { return FindWindowWithCaption(ThisThread(), caption) != nullptr; },
        [=] {
          HWND window = FindWindowWithCaption(ThisThread(), caption);
          check(window);
          PostMessageW(window, closeMessage, close, 0);
        }}});
  SendCommand(main, command);
  EXPECT_EQ(FinishScript(), "") << caption;
}

TEST(DisplayScale, TheDialogsAreTheLayoutScaledWithEveryTextWhole) {
  const int dpi = TestDpi();
  HWND main = CreateMainDialog();
  ASSERT_EQ(WindowDpi(main), dpi) << "the prefix's DPI";
  ShowModeless(main, MainDialogCallback);  // loads the list beside the program
  ASSERT_TRUE(WaitUntil([main] { return ListCount(main, kMainListId) > 0; }));
  RECT frame = {};
  GetWindowRect(main, &frame);
  EXPECT_EQ(frame.left, ScaleToDevice(2, dpi));
  EXPECT_EQ(frame.top, ScaleToDevice(2, dpi));
  ExpectMainDialog(main, dpi);
  ExpectCounterWhole(main);

  CheckWindowOfCommand(
      main, kHelpCommand, "Program Help", [dpi](HWND box) { ExpectHelpBox(box, dpi); }, WM_COMMAND,
      kBoxOkButtonId);
  CheckWindowOfCommand(
      main, kChangeListButtonId, kListEditorCaption,
      [main, dpi](HWND editor) { ExpectEditor(editor, main, dpi); }, WM_SYSCOMMAND, SC_CLOSE);
  CheckWindowOfCommand(
      main, kAnotherListButtonId, "Open File",
      [dpi](HWND files) { ExpectScaledByThePlatform(files, dpi); }, WM_COMMAND, IDCANCEL);
  StartScript({{"notice", [] { return !OpenNotices(ThisThread()).empty(); },
                [dpi] {
                  HWND notice = OpenNotices(ThisThread()).front();
                  ExpectScaledByThePlatform(notice, dpi);
                  AnswerNotice(notice, IDOK);
                }}});
  ShowNotice("A notice of the platform, at the scale of the screen.", MB_OK, "");
  EXPECT_EQ(FinishScript(), "");
  DismissDialog(main, 0);
}

TEST(DisplayScale, AMoveToAMonitorAt144LaysTheMainDialogOutAgain) {
  if (TestDpi() != 96) GTEST_SKIP() << "moves from 96 DPI";
  HWND main = CreateMainDialog();
  RECT window = {}, client = {};
  GetWindowRect(main, &window);
  GetClientRect(main, &client);
  // The rectangle the platform suggests: the frame stays Wine's at 96 DPI, the client scales.
  RECT suggested = {3, 3, 3 + window.right - window.left + 155,
                    3 + window.bottom - window.top + 175};
  SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(WindowDpi(main), 144);
  GetWindowRect(main, &window);
  EXPECT_TRUE(EqualRect(&window, &suggested));
  ExpectMainDialog(main, 144);
  LOGFONTW font = {};
  GetObjectW(FontOf(GetDlgItem(main, kShowItButtonId)), sizeof(font), &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(8, 144, 72)) << "8 points at 144 DPI";
  DestroyWindow(main);
}

}  // namespace
