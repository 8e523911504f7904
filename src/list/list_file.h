// Reading and writing list files, and the list text of the main list (Win32 side).
#pragma once

#include <cstdint>
#include <string>

// How the latest load ended. Callers may also read the entry count, as before.
enum class LoadOutcome {
  kLoaded,       // at least one entry; one item selected
  kNotTextFile,  // the path failed the text-file test ("Selected file is not a text file")
  kNoWebsites,   // missing, empty or without entry lines ("File contains no websites")
  kUnreadable,   // the file exists but could not be read, or holds no entry and characters
                 // that cannot be shown (its own notice)
};

// Reads the list file at the website list's path into the website list and the main list.
LoadOutcome LoadListFile();

// Width in pixels of the text as the main list draws it.
int MeasureTextWidth(const std::string& text);

// The list text of the main list, in main-list order.
std::string ListToText();

// Writes the website list's list text over the list file. Returns false, after a notice that
// names the file, when nothing was written; the old file is then unchanged.
bool SaveListText();

// The save sequence: normalise, save, reload. Returns false when the list was not saved.
bool SaveEditedText(const std::string& editedText, int32_t lineToSelect);

// Whether a save would replace a file that another program has changed, made or removed since
// the latest load read it: its size or its bytes differ (or, when it cannot be read now, its
// size or last-write time). False when the save would be refused anyway (not a text file,
// a file the load could not read, or one it could not show as it is).
bool ListFileChangedSinceLoad();
