// Leaving the list editor while it holds changes, by its close command or because the session
// is ending: the save question, what the user must know before anything is saved, and the save.
// It works on the open editor's state, which the editor hands in.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The open editor, as closing it needs to know it.
struct ListEditorState {
  HWND dialog = nullptr;
  HWND editBox = nullptr;
  // The save question or the save that follows it is running; a close command meanwhile is
  // dropped instead of asking again.
  bool closing = false;
  // The edit box refused text, and the user has not been told yet.
  bool refusalUntold = false;
  // The notice that tells it is open.
  bool tellingRefusal = false;
};

extern const char* const kSaveQuestion;  // "Do you want to save this data?"
// Told when the edit box refused typed or pasted text (it was full, or out of memory).
extern const char* const kTextRefusedNotice;
// The reason shown while the end of the session waits for the save question.
extern const char* const kSessionEndReason;  // "Unsaved changes to the website list"
// Asked before a save whose text has characters that the list file's code page cannot hold;
// line counts from 1. Yes saves the list as UTF-8 instead.
std::string UnfitTextQuestion(int line);
// Asked before a save over a list file that another program has changed since it was read.
std::string ChangedFileQuestion(const std::string& path);

// Answers the editor's close command: 1 keeps the editor open, 0 lets the layer end it.
int32_t AnswerEditorClose(ListEditorState& editor);

// Answers WM_QUERYENDSESSION. With changes, the end is held while the user is asked; it goes
// ahead after a save or No, and is refused after Cancel, a "back to the editor" or a failed
// save. Returns the callback's answer; the message's result is set when it is handled.
int32_t AnswerSessionEnd(ListEditorState& editor);

// Says that the edit box refused text, unless that has been said since it last happened.
void TellRefusedText(ListEditorState& editor);

// The line the save sequence selects afterwards: the caret's line (or the selection start's)
// counted from 1, or, when that line is empty, the number of the line above it (0 on an empty
// first line).
int32_t EditorLineToSelect(HWND editBox);
