#include "dialogs/sized_message_box.h"

#include <gtest/gtest.h>

#include "dialog_layer/dialog_layer.h"
#include "support/wait.h"
#include "support/dialog_script.h"

namespace {

constexpr char kCaption[] = "Box under test";
constexpr int kEnterKey = -VK_RETURN;
constexpr int kEscapeKey = -VK_ESCAPE;

// The window's rectangle relative to its parent's client area.
RECT RectInParent(HWND window) {
  RECT rect = {0, 0, 0, 0};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE WindowSize(HWND window) {
  RECT rect = {0, 0, 0, 0};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// Shows a modal box and, once it is open, runs inspect and then ends it by pressing a button
// (a positive id) or a key (kEnterKey, kEscapeKey). Returns the box's result.
int32_t RunModalBox(const std::string& text, int32_t style, int press,
                    const std::function<void(HWND)>& inspect) {
  StartScript({{"box open", [] { return FindWindowWithCaption(ThisThread(), kCaption) != nullptr; },
                [&] {
                  HWND box = FindWindowWithCaption(ThisThread(), kCaption);
                  inspect(box);
                  if (press > 0) return ClickButton(box, press);
                  HWND focus = GetFocus() ? GetFocus() : box;
                  PostMessageW(focus, WM_KEYDOWN, static_cast<WPARAM>(-press), 1);
                }}});
  int32_t result = SizedMessageBox(text, style, kCaption, 0, 200, 100);
  EXPECT_EQ(FinishScript(), "");
  return result;
}

// Shows a box without waiting, hands it to inspect and ends it.
void WithModelessBox(const std::string& text, int32_t style, int x, int y,
                     const std::function<void(HWND)>& inspect) {
  EXPECT_EQ(SizedMessageBox(text, style, kCaption, 1, x, y), 0) << "returns at once";
  HWND box = FindWindowWithCaption(ThisThread(), kCaption);
  ASSERT_NE(box, nullptr) << "the box stays open after the call";
  inspect(box);
  DismissDialog(box, 0);
  EXPECT_TRUE(WaitUntil([box] { return !IsWindow(box); }));
}

struct ExpectedButton {
  int id;
  const char* text;
  int x;
  int width;
};

void ExpectButtonRow(HWND box, const std::vector<ExpectedButton>& expected, int32_t style) {
  int boxHeight = WindowSize(box).cy;
  for (int id = 9991; id <= 9994; ++id) {
    auto found = std::find_if(expected.begin(), expected.end(),
                              [id](const ExpectedButton& b) { return b.id == id; });
    HWND button = GetDlgItem(box, id);
    if (found == expected.end()) {
      EXPECT_EQ(button, nullptr) << "style " << style << ": no button " << id;
      continue;
    }
    ASSERT_NE(button, nullptr) << "style " << style << ": button " << id;
    EXPECT_EQ(GetControlText(button), found->text) << "style " << style;
    RECT rect = RectInParent(button);
    EXPECT_EQ(rect.left, found->x) << "style " << style << " button " << id;
    EXPECT_EQ(rect.top, boxHeight - 70) << "style " << style << " button " << id;
    EXPECT_EQ(rect.right - rect.left, found->width) << "style " << style << " button " << id;
    EXPECT_EQ(rect.bottom - rect.top, 30) << "style " << style << " button " << id;
  }
  // The first button of a set, or the single "&Ok", looks like the default button.
  HWND defaultButton = GetDlgItem(box, expected.front().id);
  EXPECT_EQ(GetWindowLongW(defaultButton, GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON) << style;
}

TEST(SizedMessageBox, ButtonSetsLayOutAndEndByPosition) {
  const std::vector<ExpectedButton> ok = {{9994, "&Ok", 30, 80}};
  const std::vector<ExpectedButton> yesNoCancel = {
      {9991, "&Yes", 10, 60}, {9992, "&No", 75, 60}, {9993, "Cancel", 140, 60}};
  const std::vector<ExpectedButton> okCancel = {{9991, "&Ok", 10, 60}, {9992, "&Cancel", 75, 60}};
  const std::vector<ExpectedButton> yesNo = {{9991, "&Yes", 10, 60}, {9992, "&No", 75, 60}};
  struct Case {
    int32_t style;
    const std::vector<ExpectedButton>& buttons;
    int textX;
    int press;
    int32_t result;
  };
  // Enter, with no push button focused, is the standard OK command: 6 like the first button.
  const Case cases[] = {
      {-64, ok, 50, 9994, 1},          {-64, ok, 50, kEnterKey, 6},
      {-35, yesNoCancel, 50, 9991, 6}, {-35, yesNoCancel, 50, 9992, 7},
      {-35, yesNoCancel, 50, 9993, 2}, {-35, yesNoCancel, 50, kEscapeKey, 7},
      {-1, okCancel, 10, 9991, 6},     {-1, okCancel, 10, 9992, 7},
      {-4, yesNo, 10, 9992, 7},        {-128, ok, 50, kEscapeKey, 7},
  };
  for (const Case& c : cases) {
    int32_t result = RunModalBox("Line one\r\nLine two", c.style, c.press, [&](HWND box) {
      ExpectButtonRow(box, c.buttons, c.style);
      EXPECT_EQ(RectInParent(GetDlgItem(box, 9990)).left, c.textX) << c.style;
      EXPECT_EQ(RectInParent(GetDlgItem(box, 9990)).top, 5) << c.style;
      if (c.buttons.size() == 3) {
        EXPECT_EQ(GetFocus(), GetDlgItem(box, 9991)) << "focus on &Yes";
      }
    });
    EXPECT_EQ(result, c.result) << "style " << c.style << ", pressed " << c.press;
  }
}

TEST(SizedMessageBox, WhiteTopmostWithTheIconOfItsStyle) {
  struct Case {
    int32_t style;
    bool hasIcon;
  };
  for (Case c : {Case{-64, true}, Case{-35, true}, Case{-16, true}, Case{-48, true},
                 Case{-128, false}, Case{-1, false}}) {
    RunModalBox("Text", c.style, kEscapeKey, [&](HWND box) {
      EXPECT_TRUE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) << c.style;
      HANDLE image =
          reinterpret_cast<HANDLE>(SendDlgItemMessageW(box, 9995, STM_GETIMAGE, IMAGE_ICON, 0));
      EXPECT_EQ(image != nullptr, c.hasIcon) << c.style;
      HDC context = CreateCompatibleDC(nullptr);
      for (int id : {9990, 9995}) {
        LRESULT brush = SendMessageW(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                                     reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
        EXPECT_NE(brush, 0) << "control " << id << " is coloured";
        EXPECT_EQ(GetTextColor(context), RGB(0, 0, 0)) << "control " << id;
        EXPECT_EQ(GetBkColor(context), RGB(255, 255, 255)) << "control " << id;
      }
      SendMessageW(box, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(context),
                   reinterpret_cast<LPARAM>(box));
      EXPECT_EQ(GetBkColor(context), RGB(255, 255, 255)) << "the box itself";
      DeleteDC(context);
    });
  }
}

TEST(SizedMessageBox, NonModalReturnsZeroAndStaysOpen) {
  WithModelessBox("Not waiting", 0, 0, 0, [](HWND box) {
    EXPECT_TRUE(IsWindowVisible(box));
    EXPECT_NE(GetDlgItem(box, 9994), nullptr);
    EXPECT_EQ(GetDlgItem(box, 9991), nullptr);
    EXPECT_EQ(RectInParent(GetDlgItem(box, 9990)).left, 10);
  });
}

TEST(SizedMessageBox, SizedToItsTextWithoutBounds) {
  struct Case {
    std::string text;
    int lines;
  };
  const Case cases[] = {
      {"", 1}, {"one\r\ntwo, the longer line\r\n", 3}, {std::string(400, 'W'), 1}};
  for (const Case& c : cases) {
    WithModelessBox(c.text, 0, 10, 10, [&](HWND box) {
      RECT label = RectInParent(GetDlgItem(box, 9990));
      int labelWidth = label.right - label.left;
      EXPECT_EQ(label.bottom - label.top, 15 * c.lines) << c.lines;
      EXPECT_EQ(WindowSize(box).cx, std::max(220, 10 + labelWidth + 25)) << labelWidth;
      EXPECT_GE(WindowSize(box).cy, 120);
      if (c.text.empty()) {
        EXPECT_EQ(labelWidth, 0);
      }
      if (c.text.size() == 400) {
        EXPECT_GT(WindowSize(box).cx, GetSystemMetrics(SM_CXSCREEN)) << "not clipped";
      }
    });
  }
}

TEST(SizedMessageBox, PlacedAtTheGivenCornerOrCentredOnTheActiveWindow) {
  struct Case {
    int x, y, left, top;
  };
  for (Case c : {Case{200, 100, 200, 100}, Case{0, 100, 0, 100}, Case{-50, 0, 0, 0}}) {
    WithModelessBox("Short", 0, c.x, c.y, [&](HWND box) {
      RECT rect = {0, 0, 0, 0};
      GetWindowRect(box, &rect);
      EXPECT_EQ(rect.left, c.left) << c.x << "," << c.y;
      EXPECT_EQ(rect.top, c.top) << c.x << "," << c.y;
    });
  }
  // An owner 503 x 403 at (100, 80) and a 220 x 120 box: 141.5 goes to the even 142.
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 80, 503, 403,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(owner);
  SetActiveWindow(owner);
  ASSERT_EQ(GetActiveWindow(), owner);
  WithModelessBox("Short", 0, 0, 0, [&](HWND box) {
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(box, &rect);
    EXPECT_EQ(rect.right - rect.left, 220);
    EXPECT_EQ(rect.bottom - rect.top, 120);
    EXPECT_EQ(rect.left, 100 + 142);
    EXPECT_EQ(rect.top, 80 + 142);
  });
  DestroyWindow(owner);
}

}  // namespace
