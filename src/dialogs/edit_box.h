// The edit-box messages the list editor needs, one verb each. Character indexes and line
// numbers are the edit box's own: both count from 0.
#pragma once

#include <windows.h>

// Index of the first character of a line; line -1 is the line that holds the caret.
// -1 when the line does not exist.
int EditLineStart(HWND editBox, int line);
// Length, without its line break, of the line that holds the given character.
int EditLineLength(HWND editBox, int characterIndex);
// The line that holds the caret, or the start of the selection when there is one.
int EditCaretLine(HWND editBox);
// The line that holds the character at the index.
int EditLineOfCharacter(HWND editBox, int characterIndex);
void EditSelect(HWND editBox, int first, int end);
int EditFirstVisibleLine(HWND editBox);
// Scrolls the text by the given number of lines (negative: up).
void EditScrollLines(HWND editBox, int lines);
bool EditIsModified(HWND editBox);
void EditSetModified(HWND editBox, bool modified);
// Lets the user type and paste up to the most text the edit box can hold (EM_SETLIMITTEXT 0).
// The platform's default limit binds only what the user enters, not a text set by the
// program, so an edit box given a longer text refuses every typed character.
void EditAllowLargestText(HWND editBox);
