// Showing a dialog: the callback's two initialisation calls, then the callback is registered
// and the dialog shown, modally (owner disabled, loop until the dialog is gone) or modelessly.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/modal_loop.h"
#include "dialog_layer/window_records.h"

namespace {

WPARAM SizeTypeOf(int showState) {
  if (showState == SW_MAXIMIZE) return SIZE_MAXIMIZED;
  if (showState == SW_MINIMIZE) return SIZE_MINIMIZED;
  return SIZE_RESTORED;
}

// The callback is called directly, before it is registered: what it sends to its own dialog
// meanwhile gets only the default handling, what it posts arrives later through the loop.
void CallInitialisation(HWND dialog, DialogCallback callback) {
  if (!callback) return;
  callback(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog), 0);
  const WindowRecord* record = FindDialogRecord(dialog);
  int showState = record ? record->showState : SW_SHOW;
  RECT client = {0, 0, 0, 0};
  GetClientRect(dialog, &client);
  callback(dialog, WM_SIZE, SizeTypeOf(showState), MAKELPARAM(client.right, client.bottom));
}

// Registers the callback; nullptr when the dialog has no record (any more).
WindowRecord* Register(HWND dialog, DialogCallback callback) {
  WindowRecord* record = FindDialogRecord(dialog);
  if (!record) return nullptr;
  record->callback = callback;
  return record;
}

// Known before the initialisation calls, so that a dialog ended during them still delivers its
// end value instead of silently dropping it.
void SetResultDestination(HWND dialog, int32_t* resultDestination) {
  WindowRecord* record = FindDialogRecord(dialog);
  if (record) record->resultDestination = resultDestination;
}

void DisableOwner(HWND owner) {
  SendMessageW(owner, WM_CANCELMODE, 0, 0);
  EnableWindow(owner, FALSE);
}

// Gives the owner back its input and focus. DismissDialog enables it; this also covers a
// dialog destroyed by other means, which would otherwise leave its owner disabled for good.
void RestoreOwner(HWND owner, bool wasEnabled) {
  if (wasEnabled && IsWindow(owner) && !IsWindowEnabled(owner)) EnableWindow(owner, TRUE);
  SetFocus(owner);
}

}  // namespace

void ShowModal(HWND dialog, DialogCallback callback, int32_t* result) {
  SetForegroundWindow(dialog);
  SetResultDestination(dialog, result);
  CallInitialisation(dialog, callback);
  WindowRecord* record = Register(dialog, callback);
  if (!record) return;
  HWND owner = record->parent;
  int showState = record->showState;
  bool sendIdle = !(record->style & DS_NOIDLEMSG);
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (owner) DisableOwner(owner);
  ShowWindow(dialog, showState);
  RunModalLoop(dialog, owner, sendIdle);
  if (owner) RestoreOwner(owner, ownerWasEnabled);
}

void ShowModeless(HWND dialog, DialogCallback callback) {
  SetResultDestination(dialog, nullptr);
  CallInitialisation(dialog, callback);
  WindowRecord* record = Register(dialog, callback);
  if (!record) return;
  int showState = record->showState;
  ShowWindow(dialog, showState);
  if (showState == SW_HIDE || showState == SW_MINIMIZE) return;
  RedrawWindow(dialog, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
