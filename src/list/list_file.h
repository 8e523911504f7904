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

// What a load selects: the item of an entry, by entry number, or a position of the main list
// (from 1). Either is clamped to the list; an entry number that names no entry is taken as a
// position.
struct ListSelection {
  enum Kind { kEntry, kPosition };
  Kind kind = kEntry;
  int32_t number = 0;
};

// Reads the list file at the website list's path into the website list and the main list, and
// selects the item given.
LoadOutcome LoadListFile(ListSelection selection);
// The same, selecting the entry the current position names (at start-up, none: the first item).
LoadOutcome LoadListFile();

// Width in pixels of the text as the main list draws it.
int MeasureTextWidth(const std::string& text);

// The list text of the main list, in main-list order.
std::string ListToText();

// What the reload after saving normalised text selects: the entry on the line to select when
// no duplicates were dropped; with one pair, the position of the first emptied piece; with
// more, the first position.
ListSelection SelectionAfterSave(int32_t duplicateTally, int32_t firstDuplicatePiece,
                                 int32_t lineToSelect);

// How a save writes the list file: in the form the latest load found (a new file: 8-bit text
// in the code page), or as UTF-8 with a byte-order mark, with the same line ends.
enum class SaveEncoding { kAsLoaded, kUtf8Marked };

// Writes list text over the list file, in the file's form. Returns false, after a notice that
// names the file, when nothing was written; the old file is then unchanged.
bool SaveListText(const std::string& listText);

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
