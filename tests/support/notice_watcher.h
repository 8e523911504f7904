// Test support: watches, from a second thread, for the platform message boxes (notices) that
// this process shows, records what each one says and presses a button in it, so that code
// which shows notices can run in a test without a person.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SeenNotice {
  std::string text;     // the message text
  std::string caption;  // the title bar text
  UINT icon = 0;        // MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION, MB_ICONWARNING or 0
};

class NoticeWatcher {
 public:
  // answers: the button ids (IDOK, IDYES, IDNO, IDCANCEL, ...) to press in the notices in the
  // order they appear; when they run out, or for an empty list, IDOK/the default is pressed.
  explicit NoticeWatcher(std::vector<int> answers = {});
  ~NoticeWatcher();  // stops watching; a notice still open then is answered with the default
  NoticeWatcher(const NoticeWatcher&) = delete;
  NoticeWatcher& operator=(const NoticeWatcher&) = delete;

  // Everything seen so far, in order.
  std::vector<SeenNotice> Notices() const;
  // Waits until at least count notices have been seen and answered, at most timeoutMs.
  bool WaitForCount(size_t count, DWORD timeoutMs = 10000) const;

 private:
  struct State;
  State* state_;
};
