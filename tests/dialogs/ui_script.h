// Driving modal dialogs in tests. The steps of a script run from a timer on the test's own
// thread, so they run inside whichever modal loop (a dialog's, a message box's) is active:
// each step waits for its condition, then acts, usually by posting a message. A step that
// waits too long fails the script, which then ends every open dialog of the thread so that
// the blocking call under test returns.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct ScriptStep {
  std::string name;
  std::function<bool()> ready;  // empty: ready at once
  std::function<void()> act;
};

// Runs the steps in order while this thread dispatches messages.
void StartScript(std::vector<ScriptStep> steps);
// Stops the script; returns "" when every step ran, else which step did not.
std::string FinishScript();

// A visible top-level window of this thread with the given caption, or nullptr.
HWND FindThreadWindow(const std::string& caption);
// The platform message boxes of this thread that are open, newest last.
std::vector<HWND> OpenNotices();
// Answers a platform message box with one of its buttons (IDYES, IDNO, IDOK, ...).
void AnswerNotice(HWND notice, int buttonId);
// Presses a button of a dialog as a click would, through the button itself.
void PressButton(HWND dialog, int buttonId);
// The window's rectangle relative to its parent's client area.
RECT RectInParent(HWND window);
