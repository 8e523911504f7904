// Leaving the list editor while it holds changes, by its close command or because the session
// is ending: the save question, what the user must know before anything is saved, and the save.
#pragma once

#include <windows.h>

#include <cstdint>

// Answers the editor's close command: 1 keeps the editor open, 0 lets the layer end it.
int32_t AnswerEditorClose(HWND dialog);

// Answers WM_QUERYENDSESSION. With changes, the end is held while the user is asked; it goes
// ahead after a save or No, and is refused after Cancel, a "back to the editor" or a failed
// save. Returns the callback's answer; the message's result is set when it is handled.
int32_t AnswerSessionEnd(HWND dialog);

// Says that the edit box refused text, unless that has been said since it last happened.
void TellRefusedText();
