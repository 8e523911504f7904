// Finding and reading top-level windows and notices.
//
// A notice is told from the program's own dialogs (which share the dialog class "#32770") by
// its controls: only labels and buttons, one of the labels being the message text with id
// 0xFFFF. Windows and Wine agree on that id; the icon label differs (0x14 on Windows, 0x440 in
// Wine), so the icon is found by its SS_ICON style instead.
#include "support/dialog_windows.h"

#include "dialog_layer/dialog_layer.h"

namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr DWORD kReplyTimeoutMs = 5000;

bool BelongsTo(HWND window, WindowOwner owner) {
  DWORD processId = 0;
  DWORD threadId = GetWindowThreadProcessId(window, &processId);
  return (owner.processId == 0 || owner.processId == processId) &&
         (owner.threadId == 0 || owner.threadId == threadId);
}

struct WindowSearch {
  WindowOwner owner;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  if (BelongsTo(window, search->owner) && IsWindowVisible(window)) {
    search->found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

bool IsIconLabel(HWND control) {
  LONG style = GetWindowLongW(control, GWL_STYLE);
  return HasClass(control, L"Static") && (style & SS_TYPEMASK) == SS_ICON;
}

// The MB_ICON* style whose system icon the notice shows; 0 when it shows none.
UINT IconStyle(HWND notice) {
  HICON shown = nullptr;
  for (HWND child : Children(notice)) {
    if (!shown && IsIconLabel(child)) {
      shown = reinterpret_cast<HICON>(SendWithTimeout(child, STM_GETICON, 0, 0));
    }
  }
  if (!shown || shown == reinterpret_cast<HICON>(-1)) return 0;
  if (shown == LoadIcon(nullptr, IDI_HAND)) return MB_ICONERROR;
  if (shown == LoadIcon(nullptr, IDI_QUESTION)) return MB_ICONQUESTION;
  if (shown == LoadIcon(nullptr, IDI_EXCLAMATION)) return MB_ICONWARNING;
  if (shown == LoadIcon(nullptr, IDI_ASTERISK)) return MB_ICONINFORMATION;
  return 0;
}

// The button that Enter would press: the one drawn as default (Wine's DM_GETDEFID keeps naming
// IDOK even when the notice has no OK button), else the dialog's default id, else the first
// button.
int DefaultButton(HWND notice, const std::vector<int>& buttons) {
  for (int id : buttons) {
    LONG style = GetWindowLongW(GetDlgItem(notice, id), GWL_STYLE);
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return id;
  }
  LRESULT defId = SendWithTimeout(notice, DM_GETDEFID, 0, 0);
  if (HIWORD(defId) == DC_HASDEFID && GetDlgItem(notice, LOWORD(defId))) return LOWORD(defId);
  return buttons.empty() ? IDOK : buttons.front();
}

std::vector<int> Buttons(HWND notice) {
  std::vector<int> ids;
  for (HWND child : Children(notice)) {
    if (HasClass(child, L"Button")) ids.push_back(GetDlgCtrlID(child));
  }
  return ids;
}

}  // namespace

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                           &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

WindowOwner ThisThread() {
  return {GetCurrentProcessId(), GetCurrentThreadId()};
}

WindowOwner OtherProcess(DWORD processId) {
  return {processId, 0};
}

std::vector<HWND> VisibleTopWindows(WindowOwner owner) {
  WindowSearch search{owner, {}};
  EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindWindowWithCaption(WindowOwner owner, const std::string& caption) {
  for (HWND window : VisibleTopWindows(owner)) {
    if (!IsNotice(window) && WindowText(window) == caption) return window;
  }
  return nullptr;
}

bool IsNotice(HWND window) {
  if (!HasClass(window, L"#32770") || !IsWindowVisible(window)) return false;
  bool hasText = false;
  for (HWND child : Children(window)) {
    bool isLabel = HasClass(child, L"Static");
    if (!isLabel && !HasClass(child, L"Button")) return false;
    if (isLabel && GetDlgCtrlID(child) == kMessageTextId) hasText = true;
  }
  return hasText;
}

std::vector<HWND> OpenNotices(WindowOwner owner) {
  std::vector<HWND> notices;
  for (HWND window : VisibleTopWindows(owner)) {
    if (IsNotice(window)) notices.insert(notices.begin(), window);
  }
  return notices;
}

std::string WindowText(HWND window) {
  int length = TextLength(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied =
      SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return ToUtf8(text);
}

int TextLength(HWND window) {
  return static_cast<int>(SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0));
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

bool HasClass(HWND window, const wchar_t* className) {
  return lstrcmpiW(ClassOf(window).c_str(), className) == 0;
}

std::string NoticeText(HWND notice) {
  return WindowText(GetDlgItem(notice, kMessageTextId));
}

SeenNotice ReadNotice(HWND notice) {
  SeenNotice seen;
  seen.text = NoticeText(notice);
  seen.caption = WindowText(notice);
  seen.icon = IconStyle(notice);
  seen.buttons = Buttons(notice);
  seen.defaultButton = DefaultButton(notice, seen.buttons);
  return seen;
}

void AnswerNotice(HWND notice, int buttonId) {
  HWND button = GetDlgItem(notice, buttonId);
  PostMessageW(notice, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

void ClickButton(HWND dialog, int buttonId) {
  PostMessageW(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}
