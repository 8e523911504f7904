// The list editor: a resizable window filled by one multi-line edit box in which the user
// changes the current list as plain text. Closing it after a change asks whether to save; Yes
// hands the text to the save sequence, No drops it, Cancel keeps editing. The end of the
// session asks the same while the editor holds changes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

constexpr int kListEditorEditId = 100;
extern const char* const kListEditorCaption;  // "Add or change websites"
extern const char* const kSaveQuestion;       // "Do you want to save this data?"
// Told when the edit box refused typed or pasted text (it was full, or out of memory).
extern const char* const kTextRefusedNotice;
// The reason shown while the end of the session waits for the save question.
extern const char* const kSessionEndReason;  // "Unsaved changes to the website list"
// Asked before a save whose text has characters that the list file's code page cannot hold;
// line counts from 1.
std::string InexactTextQuestion(int line);
// Asked before a save over a list file that another program has changed since it was read.
std::string ChangedFileQuestion(const std::string& path);

// The open editor. Set when it initialises, cleared when it is destroyed.
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
extern ListEditorState gListEditor;

// Shows the editor modally over owner, at (x, y) from the owner's client origin, with a client
// area of width x height holding text; returns when the editor has closed. False, with nothing
// shown, when the editor could not be made or its edit box could not take the whole text.
bool ShowListEditor(HWND owner, int x, int y, int width, int height, const std::string& text);

// The line the save sequence selects afterwards: the caret's line (or the selection start's)
// counted from 1, or, when that line is empty, the number of the line above it (0 on an empty
// first line).
int32_t EditorLineToSelect(HWND editBox);

// Returns 1 to keep the editor open on a close command, and for the messages it handles
// itself; 0 for everything else.
int32_t ListEditorCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
