#include "dialogs/edit_box.h"

namespace {

// Wide, as the edit box was made: its character indexes count UTF-16 units either way, and a
// wide message is never translated on the way.
LRESULT SendToEdit(HWND editBox, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(editBox, message, wParam, lParam);
}

}  // namespace

int EditLineStart(HWND editBox, int line) {
  return static_cast<int>(SendToEdit(editBox, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

int EditLineLength(HWND editBox, int characterIndex) {
  return static_cast<int>(
      SendToEdit(editBox, EM_LINELENGTH, static_cast<WPARAM>(characterIndex), 0));
}

int EditCaretLine(HWND editBox) {
  return EditLineOfCharacter(editBox, -1);
}

int EditLineOfCharacter(HWND editBox, int characterIndex) {
  return static_cast<int>(
      SendToEdit(editBox, EM_LINEFROMCHAR, static_cast<WPARAM>(characterIndex), 0));
}

void EditSelect(HWND editBox, int first, int end) {
  SendToEdit(editBox, EM_SETSEL, static_cast<WPARAM>(first), static_cast<LPARAM>(end));
}

int EditFirstVisibleLine(HWND editBox) {
  return static_cast<int>(SendToEdit(editBox, EM_GETFIRSTVISIBLELINE, 0, 0));
}

void EditScrollLines(HWND editBox, int lines) {
  SendToEdit(editBox, EM_LINESCROLL, 0, static_cast<LPARAM>(lines));
}

bool EditIsModified(HWND editBox) {
  return SendToEdit(editBox, EM_GETMODIFY, 0, 0) != 0;
}

void EditSetModified(HWND editBox, bool modified) {
  SendToEdit(editBox, EM_SETMODIFY, modified ? TRUE : FALSE, 0);
}

void EditAllowLargestText(HWND editBox) {
  SendToEdit(editBox, EM_SETLIMITTEXT, 0, 0);
}
