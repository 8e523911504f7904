// The in-process dialog script, its notice watcher, and the window finder they share.
#include <gtest/gtest.h>

#include <algorithm>

#include "dialog_layer/dialog_layer.h"
#include "support/dialog_script.h"
#include "support/wait.h"

namespace {

int ShowBox(const std::string& text, const std::string& caption, UINT style) {
  return MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(caption).c_str(), style);
}

// --- the notice watcher ----------------------------------------------------------------------

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
      {MB_ICONINFORMATION, "caf\xC3\xA9 list", "caf\xC3\xA9"},  // e acute in UTF-8
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

// --- scripts -------------------------------------------------------------------------------

bool OneNoticeOpen() {
  return OpenNotices(ThisThread()).size() == 1;
}

TEST(DialogScript, StepsRunInOrderInsideTheNoticesLoop) {
  std::vector<std::string> seen;
  StartScript({{"notice open", OneNoticeOpen,
                [&] {
                  seen.push_back(NoticeText(OpenNotices(ThisThread())[0]));
                  AnswerNotice(OpenNotices(ThisThread())[0], IDNO);
                }},
               {"second notice open", OneNoticeOpen, [&] {
                  seen.push_back(NoticeText(OpenNotices(ThisThread())[0]));
                  AnswerNotice(OpenNotices(ThisThread())[0], IDCANCEL);
                }}});
  EXPECT_EQ(ShowBox("first", "", MB_YESNO), IDNO);
  EXPECT_EQ(ShowBox("second", "", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(FinishScript(), "");
  EXPECT_EQ(seen, (std::vector<std::string>{"first", "second"}));
}

TEST(DialogScript, ReportsTheStepThatTheDialogEndedBefore) {
  StartScript(
      {{"notice open", OneNoticeOpen, [] { AnswerNotice(OpenNotices(ThisThread())[0], IDOK); }},
       {"second notice open", OneNoticeOpen, nullptr}});
  EXPECT_EQ(ShowBox("only one", "", MB_OK), IDOK);
  EXPECT_EQ(FinishScript(), "the dialog ended before step 'second notice open'");
}

// The bound of a step: the script gives up on it and ends the notice with its Cancel button,
// so that the call under test returns instead of hanging the test program.
TEST(DialogScript, EndsTheOpenNoticeWhenAStepNeverBecomesReady) {
  StartScript({{"never ready", [] { return false; }, nullptr}});
  EXPECT_EQ(ShowBox("left open", "", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(FinishScript(), "step 'never ready' never became ready");
}

// --- finding and reading windows ---------------------------------------------------------

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
  EXPECT_FALSE(IsNotice(labelsAndButtons));
  EXPECT_FALSE(IsNotice(withEdit));
  DestroyWindow(labelsAndButtons);
  DestroyWindow(withEdit);
}

TEST(DialogWindows, ReadsTheButtonsOfANoticeAndTheOneEnterPresses) {
  struct Case {
    UINT style;
    std::vector<int> buttons;  // sorted
    int defaultButton;
  };
  const Case cases[] = {
      {MB_OK, {IDOK}, IDOK},
      {MB_OKCANCEL | MB_DEFBUTTON2, {IDOK, IDCANCEL}, IDCANCEL},
      {MB_YESNOCANCEL | MB_DEFBUTTON2, {IDCANCEL, IDYES, IDNO}, IDNO},
      {MB_RETRYCANCEL, {IDCANCEL, IDRETRY}, IDRETRY},
  };
  for (const Case& c : cases) {
    SeenNotice seen;
    StartScript({{"notice open", OneNoticeOpen, [&] {
                    HWND notice = OpenNotices(ThisThread())[0];
                    seen = ReadNotice(notice);
                    AnswerNotice(notice, seen.defaultButton);
                  }}});
    EXPECT_EQ(ShowBox("buttons", "Which", c.style), c.defaultButton) << "style " << c.style;
    EXPECT_EQ(FinishScript(), "");
    std::sort(seen.buttons.begin(), seen.buttons.end());
    EXPECT_EQ(seen.buttons, c.buttons) << "style " << c.style;
    EXPECT_EQ(seen.defaultButton, c.defaultButton) << "style " << c.style;
    EXPECT_EQ(seen.caption, "Which");
  }
}

TEST(DialogWindows, FindsWindowsOfTheirOwnerOnlyAndByTheWholeCaption) {
  HWND dialog = MakeDialogWindow({{L"Button", IDOK}});
  SetWindowTextW(dialog, L"Owned here");
  const DWORD thisProcess = GetCurrentProcessId();
  const DWORD noSuchId = 0xFFFFFFF0;
  EXPECT_EQ(FindWindowWithCaption(ThisThread(), "Owned here"), dialog);
  EXPECT_EQ(FindWindowWithCaption(OtherProcess(thisProcess), "Owned here"), dialog);
  EXPECT_EQ(FindWindowWithCaption({thisProcess, noSuchId}, "Owned here"), nullptr);
  EXPECT_EQ(FindWindowWithCaption(OtherProcess(noSuchId), "Owned here"), nullptr);
  EXPECT_EQ(FindWindowWithCaption(ThisThread(), "Owned"), nullptr);
  ShowWindow(dialog, SW_HIDE);
  EXPECT_EQ(FindWindowWithCaption(ThisThread(), "Owned here"), nullptr) << "hidden";
  DestroyWindow(dialog);

  // A notice is found among notices, not among windows, even by its caption.
  size_t foundWhileOpen = 0;
  HWND foundByCaption = nullptr;
  StartScript({{"notice open", OneNoticeOpen, [&] {
                  foundWhileOpen = OpenNotices(OtherProcess(thisProcess)).size();
                  foundByCaption = FindWindowWithCaption(ThisThread(), "Notice caption");
                  EXPECT_TRUE(OpenNotices({thisProcess, noSuchId}).empty());
                  AnswerNotice(OpenNotices(ThisThread())[0], IDOK);
                }}});
  ShowBox("text", "Notice caption", MB_OK);
  EXPECT_EQ(FinishScript(), "");
  EXPECT_EQ(foundWhileOpen, 1u);
  EXPECT_EQ(foundByCaption, nullptr);
}

}  // namespace
