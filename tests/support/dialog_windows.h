// Test support: finding the top-level windows of a thread or a process, telling the platform
// message boxes (notices) among them, reading a notice's text, caption, icon and buttons, and
// answering it. The in-process dialog script and the out-of-process driver both find and read
// windows through these functions.
//
// Every read goes through messages sent with a time bound, so it works on windows of this
// thread, of another thread and of another process alike, and a stuck program cannot hang the
// test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Whose windows to look at: a window matches when it belongs to the process (when processId
// is not 0) and to the thread (when threadId is not 0).
struct WindowOwner {
  DWORD processId = 0;
  DWORD threadId = 0;
};
WindowOwner ThisThread();
WindowOwner OtherProcess(DWORD processId);

// What a notice shows.
struct SeenNotice {
  std::string text;     // the message text
  std::string caption;  // the title bar text
  UINT icon = 0;        // MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION, MB_ICONWARNING or 0
  std::vector<int> buttons;  // the ids of its buttons (IDOK, IDYES, ...), left to right
  int defaultButton = 0;     // the button Enter presses
};

// Sends a message and returns the answer; -1 when the window's thread did not answer in time.
LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The owner's visible top-level windows, topmost first.
std::vector<HWND> VisibleTopWindows(WindowOwner owner);
// The owner's visible top-level window with exactly this caption that is not a notice; nullptr
// when there is none.
HWND FindWindowWithCaption(WindowOwner owner, const std::string& caption);
// Whether the window is a platform message box: a visible dialog whose controls are only labels
// and buttons, one label being the message text. The program's own dialogs (the sized message
// box, the open-file dialog) share the dialog class but not that make-up.
bool IsNotice(HWND window);
// The owner's open notices, oldest first.
std::vector<HWND> OpenNotices(WindowOwner owner);

// The window's text (caption of a top-level window, text of a control), in UTF-8.
std::string WindowText(HWND window);
// The length of the window's text in UTF-16 units (WM_GETTEXTLENGTH); -1 when it did not answer.
int TextLength(HWND window);
// The name of the window's class, as the platform spells it.
std::wstring ClassOf(HWND window);
// Whether the window's class is className (case-insensitive).
bool HasClass(HWND window, const wchar_t* className);
// The message text of a notice.
std::string NoticeText(HWND notice);
// Everything a notice shows. The icon is recognised by comparison with the system icons as
// this process loads them, so it is read reliably only for notices of this process.
SeenNotice ReadNotice(HWND notice);

// Presses a button of a notice (IDOK, IDYES, IDNO, IDCANCEL) by posting the click notification
// the button itself would send; posting never waits for the thread that runs the notice.
void AnswerNotice(HWND notice, int buttonId);
// Clicks a push button of a dialog: the button sends its own click notification.
void ClickButton(HWND dialog, int buttonId);
