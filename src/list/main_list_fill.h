// Filling the main list with the entries of the website list (Win32 side).
#pragma once

#include <cstdint>
#include <vector>

#include "list/entry_store.h"

struct FilledList {
  int widest = 0;              // the widest display text in pixels
  int32_t soughtPosition = 0;  // where the sought entry stands; 0 when no entry has its number
  // The items were put in place in sorted order as planned. False when the list was filled in
  // file order, the slow and literal way: the list does not place or compare items as the
  // plan models, or one of the texts compared otherwise than planned.
  bool sortedFill = false;
};

// Keeps the main list from drawing, scroll bars included, while it is refilled; it is drawn
// once, whole, when the pause ends. End it before showing a notice, so that the list is not
// left blank behind it.
struct MainListDrawingPause {
  bool paused = true;

  MainListDrawingPause();
  ~MainListDrawingPause() { End(); }
  void End();
  MainListDrawingPause(const MainListDrawingPause&) = delete;
  MainListDrawingPause& operator=(const MainListDrawingPause&) = delete;
};

// Adds one item per entry 1 ... entryCount of the store to the emptied main list, each showing the
// entry's display text and carrying its entry number, and measures the display texts. The list ends
// up exactly as adding the entries in file order leaves it, but fills in time that grows with n log
// n instead of n squared. Fast only within a MainListDrawingPause. Throws std::bad_alloc when the
// list or the program runs out of memory; the list may then hold some of the items.
FilledList FillMainList(const EntryStore& entries, int32_t entryCount, int32_t soughtEntry);

// The entry numbers the main list's items carry, in the list's order, the first entryCount
// items; an item whose value names no entry of the store is left out.
std::vector<int32_t> MainListEntryOrder(const EntryStore& entries, int32_t entryCount);

// Puts one item per entry into the emptied main list, in the order given, as that order
// stands: an order the main list itself has held (MainListEntryOrder), or part of one, so that
// the items stand as the list sorts them. Texts are neither compared nor measured. Fast only
// within a MainListDrawingPause. Throws std::bad_alloc when the list runs out of memory.
void FillMainListInOrder(const EntryStore& entries, const std::vector<int32_t>& order);
