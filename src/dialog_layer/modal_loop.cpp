// The modal loop polls the thread's queue: accelerators first, then the dialog manager, then
// the window's own procedure. WM_QUIT is dispatched like any other message and ends nothing.
#include "dialog_layer/modal_loop.h"

#include "dialog_layer/window_records.h"

namespace {

void Dispatch(const MSG& message) {
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Idle(HWND dialog, HWND owner, bool sendIdle) {
  if (sendIdle && owner) {
    SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
  }
  Sleep(1);
}

bool IsTextField(HWND window) {
  wchar_t className[16] = {};
  return window && GetClassNameW(window, className, 16) > 0 && _wcsicmp(className, L"Edit") == 0;
}

bool TranslateByAccelerators(HWND dialog, MSG& message) {
  const WindowRecord* record = FindDialogRecord(dialog);
  if (!record) return false;
  if (record->accelerators && TranslateAcceleratorW(dialog, record->accelerators, &message)) {
    return true;
  }
  HACCEL outsideText = record->keysOutsideText;
  return outsideText && !IsTextField(GetFocus()) &&
         TranslateAcceleratorW(dialog, outsideText, &message);
}

// Handles one message; false once the dialog is gone.
bool HandleMessage(HWND dialog, MSG& message) {
  if (!IsWindow(dialog)) {
    Dispatch(message);
    return false;
  }
  if (TranslateByAccelerators(dialog, message)) return IsWindow(dialog);
  if (IsDialogMessageW(dialog, &message)) return IsWindow(dialog);
  Dispatch(message);
  return IsWindow(dialog);
}

}  // namespace

void RunModalLoop(HWND dialog, HWND owner, bool sendIdle) {
  MSG message;
  for (;;) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!HandleMessage(dialog, message)) return;
      continue;
    }
    // A dialog ended by a message sent from elsewhere leaves nothing in the queue, so the
    // loop also looks for its end while idle instead of waiting for a message that never comes.
    if (!IsWindow(dialog)) return;
    Idle(dialog, owner, sendIdle);
  }
}
