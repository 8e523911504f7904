// Reading and writing list files, and the list text of the main list (Win32 side).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// Rewrites the website list's list text in canonical form, sets the duplicate tally and, when
// duplicates were found, the current position (the first emptied piece when the tally is 1,
// else 1).
void NormalizeListText();

// How a save writes the list file: in the form the latest load found (a new file: 8-bit text
// in the code page), or as UTF-8 with a byte-order mark, with the same line ends.
enum class SaveEncoding { kAsLoaded, kUtf8Marked };

// Writes the website list's list text over the list file, in the file's form. Returns false,
// after a notice that names the file, when nothing was written; the old file is then unchanged.
bool SaveListText();

// The save sequence: normalise, save, reload. Returns false when the list was not saved.
bool SaveEditedText(const std::string& editedText, int32_t lineToSelect,
                    SaveEncoding encoding = SaveEncoding::kAsLoaded);

// The number (from 1) of the first line of the text that the current list file cannot hold in
// its form (only a code page lacks characters); 0 when it holds them all.
int32_t FirstLineListFileCannotHold(std::string_view text);

// Whether a save would replace a file that another program has changed, made or removed since
// the latest load read it: its size or its bytes differ (or, when it cannot be read now, its
// size or last-write time). False when the save would be refused anyway (not a text file,
// a file the load could not read, or one it could not show as it is).
bool ListFileChangedSinceLoad();
