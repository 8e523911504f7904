// The list editor: a resizable window filled by one multi-line edit box in which the user
// changes the current list as plain text. Closing it after a change asks whether to save; Yes
// hands the text to the save sequence, No drops it, Cancel keeps editing. The end of the
// session asks the same while the editor holds changes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "dialogs/editor_closing.h"

constexpr int kListEditorEditId = 100;
extern const char* const kListEditorCaption;  // "Add or change websites"

// The open editor. Set when it initialises, cleared when it is destroyed.
extern ListEditorState gListEditor;

// Shows the editor modally over owner, at (x, y) from the owner's client origin, with a client
// area of width x height holding text; returns when the editor has closed. False, with nothing
// shown, when the editor could not be made or its edit box could not take the whole text.
bool ShowListEditor(HWND owner, int x, int y, int width, int height, const std::string& text);

// Returns 1 to keep the editor open on a close command, and for the messages it handles
// itself; 0 for everything else.
int32_t ListEditorCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
