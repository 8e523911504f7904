#include <gtest/gtest.h>

#include "dialog_layer/dialog_layer.h"
#include "support/notice_watcher.h"
#include "support/wait.h"

namespace {

int ShowBox(const std::string& text, const std::string& caption, UINT style) {
  return MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(caption).c_str(), style);
}

TEST(NoticeWatcher, RecordsTextCaptionAndIconOfEveryBox) {
  struct Case {
    UINT style;
    std::string text;
    std::string caption;
  };
  const Case cases[] = {
      {MB_ICONERROR, "Selected file is not a text file", "Quillet"},
      {MB_ICONQUESTION, "Save changes?", "Editor"},
      {MB_ICONWARNING, "Two lines\r\nof text", ""},
      {MB_ICONINFORMATION, "caf\xE9 list", "caf\xE9"},  // e acute in code page 1252
      {0, "no icon", "Quillet"},
  };
  NoticeWatcher watcher;
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(ShowBox(c.text, c.caption, c.style | MB_OK), IDOK) << "case " << i;
    ASSERT_TRUE(watcher.WaitForCount(i + 1)) << "case " << i;
    SeenNotice seen = watcher.Notices().back();
    EXPECT_EQ(seen.text, c.text) << "case " << i;
    EXPECT_EQ(seen.caption, c.caption) << "case " << i;
    EXPECT_EQ(seen.icon, c.style) << "case " << i;
  }
  EXPECT_EQ(watcher.Notices().size(), std::size(cases));
}

TEST(NoticeWatcher, PressesTheAnswersInOrderThenTheDefaultButton) {
  NoticeWatcher watcher({IDNO, IDCANCEL, IDYES});
  EXPECT_EQ(ShowBox("first", "", MB_YESNO), IDNO);
  EXPECT_EQ(ShowBox("second", "", MB_YESNOCANCEL), IDCANCEL);
  // An answer the box has no button for is not invented: Enter's button is pressed instead.
  EXPECT_EQ(ShowBox("third", "", MB_OK), IDOK);
  // The answers have run out: the default button.
  EXPECT_EQ(ShowBox("fourth", "", MB_YESNO | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(ShowBox("fifth", "", MB_OKCANCEL), IDOK);
  ASSERT_TRUE(watcher.WaitForCount(5));
  EXPECT_EQ(watcher.Notices()[3].text, "fourth");
}

HWND MakeDialogWindow(const std::vector<std::pair<const wchar_t*, int>>& children) {
  HWND dialog = CreateWindowExW(0, L"#32770", L"not a notice", WS_POPUP | WS_CAPTION, 10, 10, 200,
                                150, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  int y = 0;
  for (const auto& [className, id] : children) {
    CreateWindowExW(0, className, L"text", WS_CHILD | WS_VISIBLE, 0, y += 20, 100, 20, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                    nullptr);
  }
  ShowWindow(dialog, SW_SHOWNOACTIVATE);
  return dialog;
}

TEST(NoticeWatcher, LeavesTheProgramsOwnDialogsAlone) {
  // Dialogs share the message box's class: one made only of labels and buttons (like the
  // program's sized message box), one with a 0xFFFF label among other controls (like the
  // open-file dialog).
  HWND labelsAndButtons = MakeDialogWindow({{L"Static", 9990}, {L"Button", IDOK}});
  HWND withEdit = MakeDialogWindow({{L"Static", 0xFFFF}, {L"Edit", 100}, {L"Button", IDOK}});
  {
    NoticeWatcher watcher;
    EXPECT_EQ(ShowBox("the notice", "", MB_OK), IDOK);
    ASSERT_TRUE(watcher.WaitForCount(1));
    PumpMessages();
    ASSERT_EQ(watcher.Notices().size(), 1u);
    EXPECT_EQ(watcher.Notices()[0].text, "the notice");
  }
  EXPECT_TRUE(IsWindowVisible(labelsAndButtons));
  EXPECT_TRUE(IsWindowVisible(withEdit));
  DestroyWindow(labelsAndButtons);
  DestroyWindow(withEdit);
}

}  // namespace
