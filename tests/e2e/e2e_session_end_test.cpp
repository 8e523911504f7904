// End to end: the session ends (as logging off or shutting down does; under Wine,
// `wineboot --end-session`) while quillet.exe runs. With unsaved changes in the editor the end
// waits for the save question; without, the program simply ends.
//
// A suite of its own: wineboot ends every program of the prefix that has a top-level window,
// so this test program must never make one.
#include <gtest/gtest.h>

#include <string>

#include "e2e_session.h"

namespace {

constexpr char kTwoEntries[] = "http://one.example, One\r\nhttp://two.example, Two\r\n";
constexpr char kTyped[] = "http://mine.example, Mine\r\n";
constexpr DWORD kSessionEndTimeoutMs = 60000;

// Starts `wineboot --end-session` as another program; the caller waits for it.
HANDLE StartSessionEnd() {
  wchar_t command[] = L"wineboot.exe --end-session";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  return info.hProcess;
}

// The exit code of the ended process; ~0 when it did not end in time.
DWORD ExitCodeOf(HANDLE process) {
  DWORD code = ~0u;
  if (WaitForSingleObject(process, kSessionEndTimeoutMs) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process, &code);
  }
  CloseHandle(process);
  return code;
}

bool HasEnded(const QuilletProcess& quillet) {
  DWORD exitCode = 0;
  return WaitForExit(quillet, exitCode, kSessionEndTimeoutMs);
}

TEST(EndToEnd, TheEndOfTheSessionWaitsForTheEditorsSaveQuestion) {
  struct Case {
    const char* what;
    bool editorOpen;
    bool changed;
    int answer;  // to the save question
    bool sessionEnds;
  };
  const Case cases[] = {
      {"Yes saves, then the session ends", true, true, IDYES, true},
      {"No lets the session end", true, true, IDNO, true},
      {"Cancel refuses the end", true, true, IDCANCEL, false},
      {"an unchanged editor lets it end at once", true, false, 0, true},
      {"the main dialog alone lets it end at once", false, false, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Session session;
    const std::wstring list = session.folder + L"myQuillet.txt";
    ASSERT_TRUE(session.WriteList(L"myQuillet.txt", kTwoEntries));
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 2")) << session.Counter();
    HWND editor = nullptr;
    HWND edit = nullptr;
    if (c.editorOpen) {
      ClickButton(session.main, kChangeListId);
      editor = WaitForWindow(session.quillet, kEditorCaption);
      ASSERT_TRUE(editor) << "the editor did not open";
      edit = GetDlgItem(editor, kEditBoxId);
    }
    if (c.changed) {
      PressKey(edit, VK_HOME);
      TypeText(edit, kTyped);
      ASSERT_TRUE(WaitForText(edit, std::string(kTyped) + kTwoEntries)) << WindowText(edit);
    }

    HANDLE sessionEnd = StartSessionEnd();
    ASSERT_TRUE(sessionEnd) << "wineboot did not start";
    if (c.changed) {
      HWND question = WaitForNotice(session.quillet, "Do you want to save this data?");
      EXPECT_TRUE(question) << "the session ended without asking";
      if (question) AnswerNotice(question, c.answer);
    }
    DWORD exitCode = ExitCodeOf(sessionEnd);
    EXPECT_EQ(exitCode, c.sessionEnds ? 0u : 1u) << "wineboot's answer";
    if (c.sessionEnds) {
      EXPECT_TRUE(HasEnded(session.quillet)) << "quillet.exe is still running";
    } else {
      EXPECT_TRUE(IsWindowVisible(editor)) << "the editor stays open";
      EXPECT_EQ(WindowText(edit), std::string(kTyped) + kTwoEntries) << "with its text";
      CloseWithCloseBox(editor);
      HWND question = WaitForNotice(session.quillet, "Do you want to save this data?");
      ASSERT_TRUE(question);
      AnswerNotice(question, IDNO);
      ASSERT_TRUE(WaitForWindowGone(editor));
      EXPECT_TRUE(session.CloseAndExit());
    }
    const bool saved = c.changed && c.answer == IDYES;
    EXPECT_EQ(ReadFileBytes(list),
              saved ? std::string(kTyped) + kTwoEntries + "\r\n\r\n" : std::string(kTwoEntries));
  }
}

}  // namespace
