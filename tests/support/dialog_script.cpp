// The dialog script and the notice watcher, both run by one timer of the test's thread.
#include "support/dialog_script.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dialog_layer/dialog_layer.h"
#include "support/wait.h"

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 10;
constexpr DWORD kStepTimeoutMs = 15000;

struct Script {
  bool running = false;
  std::vector<ScriptStep> steps;
  size_t next = 0;
  DWORD stepStart = 0;
  bool acting = false;
  std::string failure;
};
Script gScript;

}  // namespace

struct NoticeWatcher::State {
  std::vector<int> answers;
  size_t nextAnswer = 0;
  std::vector<SeenNotice> seen;
  std::vector<HWND> pressed;  // answered, not yet closed
  size_t closed = 0;
  State* outer = nullptr;  // the watcher this one stands in for while it lives
};

namespace {

NoticeWatcher::State* gWatcher = nullptr;
HWND gTickWindow = nullptr;

// --- Notices ---------------------------------------------------------------------------------

int ChooseAnswer(NoticeWatcher::State& watcher, const SeenNotice& notice) {
  if (watcher.nextAnswer >= watcher.answers.size()) return notice.defaultButton;
  int wanted = watcher.answers[watcher.nextAnswer++];
  bool offered =
      std::find(notice.buttons.begin(), notice.buttons.end(), wanted) != notice.buttons.end();
  return offered ? wanted : notice.defaultButton;
}

// An answered notice is hidden at once by EndDialog, even while a nested notice keeps its
// loop from destroying it.
void CountClosedNotices(NoticeWatcher::State& watcher) {
  auto stillOpen = [](HWND notice) { return IsWindow(notice) && IsWindowVisible(notice); };
  auto closed = std::stable_partition(watcher.pressed.begin(), watcher.pressed.end(), stillOpen);
  watcher.closed += static_cast<size_t>(watcher.pressed.end() - closed);
  watcher.pressed.erase(closed, watcher.pressed.end());
}

void AnswerOpenNotices(NoticeWatcher::State& watcher) {
  CountClosedNotices(watcher);
  for (HWND notice : OpenNotices(ThisThread())) {
    if (std::find(watcher.pressed.begin(), watcher.pressed.end(), notice) !=
        watcher.pressed.end()) {
      continue;
    }
    SeenNotice seen = ReadNotice(notice);
    AnswerNotice(notice, ChooseAnswer(watcher, seen));
    watcher.seen.push_back(std::move(seen));
    watcher.pressed.push_back(notice);
  }
}

// --- Scripts ---------------------------------------------------------------------------------

// Ends the open dialogs once the script has failed: a notice with its Cancel, No or OK button,
// a dialog of the layer with the value 0, any other dialog (the open-file dialog) with Cancel.
void EndOpenDialogs() {
  for (HWND window : VisibleTopWindows(ThisThread())) {
    if (!IsNotice(window)) {
      DismissDialog(window, 0);
      if (IsWindow(window)) PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
      continue;
    }
    for (int button : {IDCANCEL, IDNO, IDOK}) {
      if (!GetDlgItem(window, button)) continue;
      AnswerNotice(window, button);
      break;
    }
  }
}

void RunReadyStep() {
  ScriptStep& step = gScript.steps[gScript.next];
  if (step.ready && !step.ready()) {
    if (GetTickCount() - gScript.stepStart < kStepTimeoutMs) return;
    gScript.failure = "step '" + step.name + "' never became ready";
    return;
  }
  gScript.acting = true;
  if (step.act) step.act();
  gScript.acting = false;
  ++gScript.next;
  gScript.stepStart = GetTickCount();
}

// Ticks after the last step mean the call under test is still running: it gets the same bound
// as a step before the script gives up on it.
void CheckLastStepEnded() {
  if (GetTickCount() - gScript.stepStart < kStepTimeoutMs) return;
  gScript.failure =
      "dialogs still open " + std::to_string(kStepTimeoutMs) + " ms after the last step";
}

// An action that starts a nested loop lets ticks through; the steps wait for it to finish.
void RunScript() {
  if (!gScript.running || gScript.acting) return;
  if (!gScript.failure.empty()) return EndOpenDialogs();
  if (gScript.next < gScript.steps.size()) return RunReadyStep();
  CheckLastStepEnded();
}

// --- The timer ---------------------------------------------------------------------------------

LRESULT CALLBACK TickWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER) return DefWindowProcW(window, message, wParam, lParam);
  if (gWatcher) AnswerOpenNotices(*gWatcher);
  RunScript();
  return 0;
}

HWND MakeTickWindow() {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = TickWindowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"QuilletTestTick";
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, L"QuilletTestTick", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// The timer runs while a script or a watcher needs it.
void UpdateTicking() {
  if (!gTickWindow) gTickWindow = MakeTickWindow();
  if (gScript.running || gWatcher) {
    SetTimer(gTickWindow, kTickTimer, kTickMs, nullptr);
  } else {
    KillTimer(gTickWindow, kTickTimer);
  }
}

}  // namespace

void StartScript(std::vector<ScriptStep> steps) {
  gScript = Script();
  gScript.running = true;
  gScript.steps = std::move(steps);
  gScript.stepStart = GetTickCount();
  UpdateTicking();
}

std::string FinishScript() {
  if (gScript.failure.empty() && gScript.next < gScript.steps.size()) {
    gScript.failure = "the dialog ended before step '" + gScript.steps[gScript.next].name + "'";
  }
  std::string failure = gScript.failure;
  gScript = Script();
  UpdateTicking();
  return failure;
}

NoticeWatcher::NoticeWatcher(std::vector<int> answers) : state_(new State) {
  state_->answers = std::move(answers);
  state_->outer = gWatcher;
  gWatcher = state_;
  UpdateTicking();
}

NoticeWatcher::~NoticeWatcher() {
  gWatcher = state_->outer;
  UpdateTicking();
  delete state_;
}

std::vector<SeenNotice> NoticeWatcher::Notices() const {
  return state_->seen;
}

bool NoticeWatcher::WaitForCount(size_t count, DWORD timeoutMs) const {
  return WaitUntil(
      [this, count] {
        CountClosedNotices(*state_);
        return state_->closed >= count;
      },
      timeoutMs);
}

void ExpectNotice(const SeenNotice& notice, const std::string& text, UINT icon) {
  EXPECT_EQ(notice.text, text);
  EXPECT_EQ(notice.caption, kDefaultNoticeCaption);
  EXPECT_EQ(notice.icon, icon);
}
