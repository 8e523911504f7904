// Test support: answering the modal dialogs and notices that code under test opens in this
// process, without a person. The one way tests drive such dialogs from inside the process.
//
// How: a timer of the test's own thread ticks every few milliseconds. A modal dialog or a
// notice runs its own message loop on the thread that opened it, and that loop dispatches the
// thread's timer messages, so each tick runs inside whichever modal loop is active at the time.
// On a tick, a notice watcher reads and answers the open notices, and a script runs its next
// step once that step's condition holds.
//
// Why a timer on the test's thread rather than a second thread that watches for the windows:
// a step runs between two messages of the dialog, on the thread that owns it. It cannot race
// with the dialog's own handling (the program-wide state it reads is not changed under it),
// what it posts is handled in order after what is already queued, thread-bound answers such as
// GetFocus and GetActiveWindow describe the dialog, and assertions run on the test's thread.
// A second thread sees the windows only from outside and acts at a moment of its own choosing.
//
// Every wait is bounded: a step whose condition does not hold within 15 s, or dialogs still
// open 15 s after the last step, fail the script, which then ends every open dialog and notice
// of the thread so that the blocking call under test returns and the test can report it.
//
// The steps and the notice watcher only run while the thread dispatches messages: inside a
// modal loop, or in WaitUntil.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/dialog_windows.h"

// --- Scripts ---------------------------------------------------------------------------------

struct ScriptStep {
  std::string name;
  std::function<bool()> ready;  // empty: ready at once
  std::function<void()> act;
};

// Runs the steps in order while this thread dispatches messages.
void StartScript(std::vector<ScriptStep> steps);
// Stops the script; returns "" when every step ran and no dialog outlived it, else what failed.
std::string FinishScript();

// --- Notices ---------------------------------------------------------------------------------

// While it lives, every notice this thread shows is recorded and answered: with the given
// answers in the order the notices appear, then (or for an answer the notice has no button for)
// with the button Enter would press.
class NoticeWatcher {
 public:
  explicit NoticeWatcher(std::vector<int> answers = {});
  ~NoticeWatcher();
  NoticeWatcher(const NoticeWatcher&) = delete;
  NoticeWatcher& operator=(const NoticeWatcher&) = delete;

  // Every notice seen so far, in the order they appeared.
  std::vector<SeenNotice> Notices() const;
  // Dispatches this thread's messages until at least count notices have been answered and have
  // closed, at most timeoutMs; returns whether they had.
  bool WaitForCount(size_t count, DWORD timeoutMs = 10000) const;

  struct State;

 private:
  State* state_;
};

// Expects a notice with this text and icon, under the caption a notice gets when it is shown
// without one (kDefaultNoticeCaption).
void ExpectNotice(const SeenNotice& notice, const std::string& text, UINT icon);
