// Finding a website as the user types: Ctrl+F (or F3) opens a find field above the main list,
// which then shows only the websites that match the field's text; Escape closes it and the
// whole list comes back. Up, Down, Page Up, Page Down, Home and End move the selection in the
// list while the typing stays in the field.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "list/website_find.h"

// The find field, its label, and the commands of its keys.
constexpr int kFindLabelId = 221;
constexpr int kFindFieldId = 222;
constexpr int kFindCommand = 223;  // Ctrl+F and F3
// Up, Down, Page Up, Page Down, Home and End while finding: kListKeyCommand + their index in
// kListKeys.
constexpr int kListKeyCommand = 224;
constexpr UINT kListKeys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END};

constexpr char kFindLabelText[] = "Find:";
constexpr char kFindCueText[] = "Find a website";

// The main dialog's find, while it is open. Written only by the find's own procedures
// (find_field.cpp, find_results.cpp).
struct MainDialogFind {
  bool open = false;
  WebsiteFind find;
  // The main dialog's shortcuts without the find's own keys, attached again when it closes.
  std::vector<ACCEL> restAccelerators;
  // The entry selected last while finding: selected again in the whole list when it comes back.
  int32_t lastSelectedEntry = 0;
};
extern MainDialogFind gMainFind;

bool IsFinding();

// The find's commands: kFindCommand, the find field's notifications, the list keys, and
// IDCANCEL (Escape), which closes the find. Any other id is not the find's and is left alone.
void OnFindCommand(HWND dialog, int id, int notificationCode);

// Opens the find field, or, when it is open, puts the focus in it with its text selected.
// Nothing happens while no list is loaded.
void OpenFind(HWND dialog);
// Closes the find: the field is emptied and hidden, the main list takes its room back and
// shows the whole list with the entry last selected selected and in view. Nothing happens
// when no find is open.
void CloseFind(HWND dialog);

// --- The main list while finding (find_results.cpp) ---------------------------------------

// Refills the main list with the matches, the first one selected; the current position
// follows.
void ShowMatches(HWND dialog);
// Refills the main list with the whole list, selecting the entry; the current position follows.
void ShowWholeList(int32_t entryToSelect);
// The entry of the selected item of the main list; 0 when none is selected.
int32_t SelectedEntry(HWND dialog);
