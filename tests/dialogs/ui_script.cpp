#include "ui_script.h"

#include "dialog_layer/dialog_layer.h"

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr DWORD kStepTimeoutMs = 15000;

struct Script {
  HWND window = nullptr;
  std::vector<ScriptStep> steps;
  size_t next = 0;
  DWORD stepStart = 0;
  bool acting = false;
  std::string failure;
};
Script gScript;

BOOL CALLBACK CollectVisible(HWND window, LPARAM found) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// This thread's visible top-level windows, topmost first.
std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectVisible, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// A platform message box: a dialog with the message text static, id 0xFFFF.
bool IsNotice(HWND window) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  return std::wstring(className) == L"#32770" && GetDlgItem(window, 0xFFFF) != nullptr;
}

// Ends the open dialogs: a notice with its Cancel, No or OK button, any other
// dialog of the layer with the value 0. Called on every tick once the script has failed.
void EndOpenDialogs() {
  for (HWND window : ThreadWindows()) {
    if (!IsNotice(window)) {
      DismissDialog(window, 0);
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

// Ticks after the last step mean the call under test is still running: it gets the same
// bound as a step before the script gives up on it.
void CheckLastStepEnded() {
  if (GetTickCount() - gScript.stepStart < kStepTimeoutMs) return;
  gScript.failure =
      "dialogs still open " + std::to_string(kStepTimeoutMs) + " ms after the last step";
}

// An action that starts a nested loop lets ticks through; they wait for it to finish.
void OnTick() {
  if (gScript.acting) return;
  if (!gScript.failure.empty()) return EndOpenDialogs();
  if (gScript.next < gScript.steps.size()) return RunReadyStep();
  CheckLastStepEnded();
}

LRESULT CALLBACK ScriptWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    OnTick();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeScriptWindow() {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = ScriptWindowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"QuilletTestScript";
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, L"QuilletTestScript", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

void StartScript(std::vector<ScriptStep> steps) {
  if (!gScript.window) gScript.window = MakeScriptWindow();
  gScript.steps = std::move(steps);
  gScript.next = 0;
  gScript.failure.clear();
  gScript.stepStart = GetTickCount();
  SetTimer(gScript.window, kTickTimer, 10, nullptr);
}

std::string FinishScript() {
  KillTimer(gScript.window, kTickTimer);
  if (gScript.failure.empty() && gScript.next < gScript.steps.size()) {
    gScript.failure = "the dialog ended before step '" + gScript.steps[gScript.next].name + "'";
  }
  gScript.steps.clear();
  return gScript.failure;
}

HWND FindThreadWindow(const std::string& caption) {
  for (HWND window : ThreadWindows()) {
    if (!IsNotice(window) && GetControlText(window) == caption) return window;
  }
  return nullptr;
}

std::vector<HWND> OpenNotices() {
  std::vector<HWND> notices;
  for (HWND window : ThreadWindows()) {
    if (IsNotice(window)) notices.insert(notices.begin(), window);
  }
  return notices;
}

void AnswerNotice(HWND notice, int buttonId) {
  PostMessageW(notice, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}

void PressButton(HWND dialog, int buttonId) {
  PostMessageW(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

RECT RectInParent(HWND window) {
  RECT rect = {0, 0, 0, 0};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}
