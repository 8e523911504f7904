// The notice watcher: a second thread polls this process's top-level windows for open message
// boxes, records each one's text, caption and icon once, and presses a button in it.
//
// A message box is told from the program's own dialogs (which share the dialog class
// "#32770") by its controls: only statics and buttons, one of the statics being the message
// text with id 0xFFFF. Windows and Wine agree on that id; the icon static differs (0x14 on
// Windows, 0x440 in Wine), so the icon is found by its SS_ICON style instead.
#include "support/notice_watcher.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include "dialog_layer/dialog_layer.h"
#include "support/wait.h"

namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr DWORD kPollMs = 10;
constexpr DWORD kReplyTimeoutMs = 2000;
constexpr DWORD kCloseTimeoutMs = 5000;

// Sends a message to a window of another thread without hanging when that thread is stuck.
LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                           &result)) {
    return 0;
  }
  return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window) {
  LRESULT length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied =
      SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  return ToAnsi(text.data(), static_cast<int>(copied));
}

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return lstrcmpiW(name, className) == 0;
}

bool IsIconStatic(HWND control) {
  LONG style = GetWindowLongW(control, GWL_STYLE);
  return HasClass(control, L"Static") && (style & SS_TYPEMASK) == SS_ICON;
}

bool IsMessageBox(HWND window) {
  if (!HasClass(window, L"#32770") || !IsWindowVisible(window)) return false;
  bool hasText = false;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    bool isStatic = HasClass(child, L"Static");
    if (!isStatic && !HasClass(child, L"Button")) return false;
    if (isStatic && GetDlgCtrlID(child) == kMessageTextId) hasText = true;
  }
  return hasText;
}

BOOL CALLBACK CollectMessageBox(HWND window, LPARAM found) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == GetCurrentProcessId() && IsMessageBox(window)) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  }
  return TRUE;
}

std::vector<HWND> OpenMessageBoxes() {
  std::vector<HWND> found;
  EnumWindows(CollectMessageBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The MB_ICON* style whose system icon the box shows; 0 when it shows none.
UINT IconStyle(HWND box) {
  HICON shown = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child && !shown;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsIconStatic(child)) {
      shown = reinterpret_cast<HICON>(SendWithTimeout(child, STM_GETICON, 0, 0));
    }
  }
  if (!shown) return 0;
  if (shown == LoadIcon(nullptr, IDI_HAND)) return MB_ICONERROR;
  if (shown == LoadIcon(nullptr, IDI_QUESTION)) return MB_ICONQUESTION;
  if (shown == LoadIcon(nullptr, IDI_EXCLAMATION)) return MB_ICONWARNING;
  if (shown == LoadIcon(nullptr, IDI_ASTERISK)) return MB_ICONINFORMATION;
  return 0;
}

SeenNotice ReadNotice(HWND box) {
  SeenNotice notice;
  notice.text = WindowText(GetDlgItem(box, kMessageTextId));
  notice.caption = WindowText(box);
  notice.icon = IconStyle(box);
  return notice;
}

// The button that Enter would press: the one drawn as default (Wine's DM_GETDEFID keeps
// naming IDOK even when the box has no OK button), else the dialog's default id, else the
// first button.
int DefaultButton(HWND box) {
  HWND firstButton = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!HasClass(child, L"Button")) continue;
    if ((GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      return GetDlgCtrlID(child);
    }
    if (!firstButton) firstButton = child;
  }
  LRESULT defId = SendWithTimeout(box, DM_GETDEFID, 0, 0);
  if (HIWORD(defId) == DC_HASDEFID && GetDlgItem(box, LOWORD(defId))) return LOWORD(defId);
  return firstButton ? GetDlgCtrlID(firstButton) : IDOK;
}

// Posts the click notification the button itself would send; posting never blocks on the
// thread that runs the box.
void PressButton(HWND box, int id) {
  HWND button = GetDlgItem(box, id);
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// A box that has been answered is hidden at once by EndDialog, even while a nested box keeps
// its thread from destroying it.
bool WaitClosed(HWND box) {
  DWORD start = GetTickCount();
  while (IsWindow(box) && IsWindowVisible(box)) {
    if (GetTickCount() - start > kCloseTimeoutMs) return false;
    Sleep(kPollMs);  // the watcher thread owns no windows; nothing to pump
  }
  return true;
}

struct WatchState {
  std::vector<int> answers;
  size_t nextAnswer = 0;
  // Boxes recorded but not yet closed, with the button chosen for each.
  std::vector<std::pair<HWND, int>> pending;
  HANDLE stopEvent = nullptr;
  std::mutex mutex;  // guards what the test thread reads: seen and answered
  std::vector<SeenNotice> seen;
  size_t answered = 0;
};

// The button for a box, chosen once when the box is first seen; the box is recorded then.
int ChooseButton(WatchState& state, HWND box, bool stopping) {
  auto known = std::find_if(state.pending.begin(), state.pending.end(),
                            [box](const auto& entry) { return entry.first == box; });
  if (known != state.pending.end()) return stopping ? DefaultButton(box) : known->second;
  SeenNotice notice = ReadNotice(box);
  int button = DefaultButton(box);
  if (!stopping && state.nextAnswer < state.answers.size()) {
    int wanted = state.answers[state.nextAnswer++];
    if (GetDlgItem(box, wanted)) button = wanted;
  }
  state.pending.emplace_back(box, button);
  std::lock_guard<std::mutex> lock(state.mutex);
  state.seen.push_back(std::move(notice));
  return button;
}

void AnswerNotice(WatchState& state, HWND box, bool stopping) {
  PressButton(box, ChooseButton(state, box, stopping));
  if (!WaitClosed(box)) return;  // tried again on the next round
  state.pending.erase(std::remove_if(state.pending.begin(), state.pending.end(),
                                     [box](const auto& entry) { return entry.first == box; }),
                      state.pending.end());
  std::lock_guard<std::mutex> lock(state.mutex);
  ++state.answered;
}

// Boxes closed by someone else are not waited for any more.
void ForgetVanishedBoxes(WatchState& state) {
  state.pending.erase(std::remove_if(state.pending.begin(), state.pending.end(),
                                     [](const auto& entry) { return !IsWindow(entry.first); }),
                      state.pending.end());
}

void WatchNotices(WatchState& state) {
  for (;;) {
    bool stopping = WaitForSingleObject(state.stopEvent, kPollMs) == WAIT_OBJECT_0;
    ForgetVanishedBoxes(state);
    for (HWND box : OpenMessageBoxes()) AnswerNotice(state, box, stopping);
    if (stopping) return;
  }
}

}  // namespace

struct NoticeWatcher::State {
  WatchState watch;
  std::thread thread;
};

NoticeWatcher::NoticeWatcher(std::vector<int> answers) : state_(new State) {
  state_->watch.answers = std::move(answers);
  state_->watch.stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  state_->thread = std::thread(WatchNotices, std::ref(state_->watch));
}

NoticeWatcher::~NoticeWatcher() {
  SetEvent(state_->watch.stopEvent);
  state_->thread.join();
  CloseHandle(state_->watch.stopEvent);
  delete state_;
}

std::vector<SeenNotice> NoticeWatcher::Notices() const {
  std::lock_guard<std::mutex> lock(state_->watch.mutex);
  return state_->watch.seen;
}

bool NoticeWatcher::WaitForCount(size_t count, DWORD timeoutMs) const {
  return WaitUntil(
      [this, count] {
        std::lock_guard<std::mutex> lock(state_->watch.mutex);
        return state_->watch.answered >= count;
      },
      timeoutMs);
}
