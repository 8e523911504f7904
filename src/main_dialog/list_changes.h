// Adding a website to the list in one move (a pasted address, a dropped link) and removing the
// selected one, each changing the list file by exactly that line, onto the file as it is on
// disk at that moment, with the save's safe replace; then the list reloads.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dialog_layer/dialog_layer.h"
#include "main_dialog/new_website.h"

// Adds the website unless the list already holds it: then that one is selected, and the user is
// told. Nothing is written when a step fails; a notice names the file and says what went wrong.
void AddWebsite(HWND dialog, const NewWebsite& website);
// Ctrl+V outside a text field: the address, or "URL, name" line, on the clipboard.
void PasteWebsite(HWND dialog);
// A link dropped on the main dialog.
void AddDroppedLink(HWND dialog, const DroppedLink& link);
// Delete outside a text field: asks, then removes the line the selected website came from.
void RemoveSelectedWebsite(HWND dialog);

// Selects the item of the entry in the main list and shows its position.
void SelectEntryItem(HWND dialog, int32_t entry);
