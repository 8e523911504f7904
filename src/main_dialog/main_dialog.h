// The main dialog: the program's only top-level window, its controls and its callback.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Controls of the main dialog. The main list is kMainListId (101) of list/main_list.h.
constexpr int kShowItButtonId = 201;
constexpr int kAnotherListButtonId = 202;
constexpr int kChangeListButtonId = 203;
constexpr int kStatusBarId = 204;
constexpr int kHelpLabelId = 206;

// Commands of the two keyboard shortcuts: Enter opens the selected entry, F1 shows the help.
constexpr int kOpenCommand = 102;
constexpr int kHelpCommand = 205;
// Commands of the keys that act on the list only outside text fields: Ctrl+V adds the website
// on the clipboard, Delete removes the selected one.
constexpr int kPasteCommand = 110;
constexpr int kRemoveCommand = 111;

// Posted during initialisation; loads the default list once the dialog is visible.
constexpr UINT kDeferredLoadMessage = WM_USER + 500;

// Status-bar parts: the help part and the counter part.
constexpr int kHelpPart = 1;
constexpr int kCounterPart = 2;
constexpr char kHelpLabelText[] = " F1-Help";

// Creates the main dialog (hidden) with its six controls and status-bar parts. Its main list
// becomes the program's when the dialog initialises (AttachMainList).
HWND CreateMainDialog();

// Shows the main dialog modally until the user closes it; the program's exit code.
int32_t RunMainDialog();

// The main dialog's callback. Returns 0 for every message: the layer's default handling
// always follows.
int32_t MainDialogCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Empties all program-wide state: the website list, the data folder, the main list handles.
void ClearProgramState();

// --- What the callback does, one procedure per command ------------------------------------

// Sends the main dialog a command synchronously, as if its control had been clicked: the
// callback handles it fully before this returns.
void SendCommand(HWND dialog, int id);

void InitMainDialog(HWND dialog);
void LoadDefaultList(HWND dialog);
void OnMainListNotification(HWND dialog, int notificationCode);
void ShowCounter(HWND dialog);
void OpenSelectedEntry(HWND dialog);
void ChooseAnotherList(HWND dialog);
void EditList(HWND dialog);
void ShowHelp();

// The URL of the entry at the current position, or nothing when the current position or the
// entry number the main list keeps for it lies outside 1 ... entry count.
std::optional<std::string_view> SelectedEntryUrl(HWND dialog);
