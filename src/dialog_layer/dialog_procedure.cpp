// The dialog procedure shared by every dialog of the layer. It hands each message to the
// dialog's callback; a non-zero answer from the callback finishes the message, 0 leaves it to
// the layer's default handling below.
#include "dialog_layer/dialog_procedure.h"

#include <memory>

#include "dialog_layer/colors.h"
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/display_scale.h"
#include "dialog_layer/window_records.h"

namespace {

int32_t CallCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  const WindowRecord* record = FindDialogRecord(dialog);
  if (!record || !record->callback) return 0;
  return record->callback(dialog, message, wParam, lParam);
}

// Whether the callback set the message's result itself (SetMessageResult); asking forgets it.
bool TakeMessageResultMark(HWND dialog) {
  WindowRecord* record = FindDialogRecord(dialog);
  if (!record || !record->messageResultSet) return false;
  record->messageResultSet = false;
  return true;
}

// The callback's answer also becomes the message result, unless one was set already.
INT_PTR FinishHandled(HWND dialog, int32_t result) {
  if (TakeMessageResultMark(dialog)) return TRUE;
  if (GetWindowLongPtrW(dialog, DWLP_MSGRESULT) == 0) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
  }
  return result;
}

INT_PTR CloseOnSystemCommand(HWND dialog, WPARAM wParam) {
  if ((wParam & 0xFFF0) != SC_CLOSE) return FALSE;
  DismissDialog(dialog, 0);
  return TRUE;
}

// Controls such as the status bar place themselves again when they get their dialog's size.
INT_PTR ForwardSize(HWND dialog, WPARAM wParam, LPARAM lParam) {
  for (HWND control : ControlsOf(dialog)) SendMessageW(control, WM_SIZE, wParam, lParam);
  return 0;
}

// The new DPI is in both words of wParam; the rectangle is the platform's suggestion for the
// window at that DPI. Handled, the message's result is 0.
INT_PTR ChangeDpi(HWND dialog, WPARAM wParam, LPARAM lParam) {
  ApplyDpiChange(dialog, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
  return TRUE;
}

INT_PTR DefaultHandling(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return AnswerControlColor(message, reinterpret_cast<HDC>(wParam),
                                reinterpret_cast<HWND>(lParam));
    case WM_SYSCOMMAND:
      return CloseOnSystemCommand(dialog, wParam);
    case WM_SIZE:
      return ForwardSize(dialog, wParam, lParam);
    case WM_DPICHANGED:
      return ChangeDpi(dialog, wParam, lParam);
    default:
      return FALSE;
  }
}

// The dialog's last message: its records go whatever the callback answers, for a record left
// behind would outlive its window and could be mistaken for a later window with the same handle.
INT_PTR ReleaseAfterLastMessage(HWND dialog, int32_t result) {
  INT_PTR answer = result != 0 ? FinishHandled(dialog, result) : TRUE;
  ReleaseDialogRecords(dialog);
  return answer;
}

// A dropped link comes through the queue, owned by the message; the callback sees it for the call.
INT_PTR DeliverDroppedLink(HWND dialog, LPARAM lParam) {
  std::unique_ptr<DroppedLink> link(reinterpret_cast<DroppedLink*>(lParam));
  CallCallback(dialog, kLinkDroppedMessage, 0, reinterpret_cast<LPARAM>(link.get()));
  return TRUE;
}

INT_PTR RouteToCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kLinkDroppedMessage) return DeliverDroppedLink(dialog, lParam);
  if (message == WM_DESTROY) StopLinkDrops(dialog);
  int32_t result = CallCallback(dialog, message, wParam, lParam);
  if (message == WM_NCDESTROY) return ReleaseAfterLastMessage(dialog, result);
  if (result != 0) return FinishHandled(dialog, result);
  TakeMessageResultMark(dialog);  // set, but the message was left to the default after all
  return DefaultHandling(dialog, message, wParam, lParam);
}

}  // namespace

INT_PTR CALLBACK LayerDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return FALSE;  // no initial focus; the callback gets the layer's own initialisation call
    case WM_ACTIVATE:
      return 0;  // not the callbacks' business; 0 lets the platform restore the focus as usual
    default:
      return RouteToCallback(dialog, message, wParam, lParam);
  }
}

void SetMessageResult(HWND dialog, LRESULT result) {
  WindowRecord* record = FindDialogRecord(dialog);
  if (!record) return;
  SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
  record->messageResultSet = true;
}
