// The main list is filled in sorted order: the entries are sorted by the platform's sort keys,
// which order texts as the list's own comparison does, and added in that order, so that every
// item lands at or next to the end of the list. The list still places every item itself, and
// the position it reports is the one that gets the item's entry number.
#include "list/main_list_fill.h"

#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "list/list_format.h"
#include "list/main_list.h"
#include "list/sorted_insertion.h"
#include "list/text_width.h"
#include "list/website_list.h"

namespace {

std::string DisplayTextOf(int32_t entry) {
  return std::string(DisplayText(EntryUrl(gWebsiteList, entry), EntryName(gWebsiteList, entry)));
}

SortKeys MakeSortKeys(int32_t entryCount) {
  SortKeys keys;
  keys.ends.reserve(static_cast<size_t>(entryCount));
  for (int32_t entry = 1; entry <= entryCount; ++entry) {
    AppendListSortKey(DisplayTextOf(entry), keys.bytes);
    if (keys.bytes.size() > kLargestEntryText) throw std::bad_alloc();  // 32-bit ends
    keys.ends.push_back(static_cast<uint32_t>(keys.bytes.size()));
  }
  return keys;
}

// Adds the entry's item and gives it the entry number; returns its 1-based position.
int AddEntryItem(int32_t entry, const std::string& shown, FilledList& filled) {
  int position = ListAddItem(gMainList.dialog, kMainListId, shown);
  if (position < 1) throw std::bad_alloc();  // LB_ERRSPACE: the list is out of memory
  ListSetItemData(gMainList.dialog, kMainListId, position, entry);
  // An item added at or above the sought entry's item moves it down by one.
  if (filled.soughtPosition > 0 && position <= filled.soughtPosition) ++filled.soughtPosition;
  return position;
}

// Adds the entries in the planned order. False, as soon as the list reports another position
// than planned: it orders or places items otherwise than modelled.
bool AddAsPlanned(const InsertionPlan& plan, int32_t soughtEntry, FilledList& filled) {
  for (size_t step = 0; step < plan.order.size(); ++step) {
    int32_t entry = plan.order[step] + 1;
    int position = AddEntryItem(entry, DisplayTextOf(entry), filled);
    if (position - 1 != plan.landing[step]) return false;
    if (entry == soughtEntry) filled.soughtPosition = position;
  }
  return true;
}

// The literal way: every entry in file order.
void AddInFileOrder(int32_t entryCount, int32_t soughtEntry, FilledList& filled) {
  for (int32_t entry = 1; entry <= entryCount; ++entry) {
    int position = AddEntryItem(entry, DisplayTextOf(entry), filled);
    if (entry == soughtEntry) filled.soughtPosition = position;
  }
}

int WidestDisplayText(int32_t entryCount) {
  MainListFontSelection selection;
  WidestText widest(entryCount);
  for (int32_t entry = 1; entry <= entryCount; ++entry) {
    widest.Consider(DisplayText(EntryUrl(gWebsiteList, entry), EntryName(gWebsiteList, entry)));
  }
  return widest.widest;
}

size_t DisplayTextBytes(int32_t entryCount) {
  size_t bytes = 0;
  for (int32_t entry = 1; entry <= entryCount; ++entry) {
    bytes += DisplayText(EntryUrl(gWebsiteList, entry), EntryName(gWebsiteList, entry)).size();
  }
  return bytes;
}

// Room in the list for all items and their texts at once, rather than item by item.
void ReserveItems(int32_t entryCount) {
  size_t textBytes = DisplayTextBytes(entryCount) * sizeof(wchar_t);
  if (!ListReserve(gMainList.dialog, kMainListId, entryCount, textBytes)) throw std::bad_alloc();
}

}  // namespace

MainListDrawingPause::MainListDrawingPause() {
  ListSuspendRedraw(gMainList.dialog, kMainListId);
}

void MainListDrawingPause::End() {
  if (!paused) return;
  paused = false;
  ListResumeRedraw(gMainList.dialog, kMainListId);
}

FilledList FillMainList(int32_t entryCount, int32_t soughtEntry) {
  FilledList filled;
  if (entryCount <= 0) return filled;
  filled.widest = WidestDisplayText(entryCount);
  InsertionPlan plan = PlanSortedInsertion(RanksOfKeys(MakeSortKeys(entryCount)));
  ReserveItems(entryCount);
  filled.sortedFill = AddAsPlanned(plan, soughtEntry, filled);
  if (filled.sortedFill) return filled;
  plan = InsertionPlan();
  ListReset(gMainList.dialog, kMainListId);
  ReserveItems(entryCount);
  filled.soughtPosition = 0;
  AddInFileOrder(entryCount, soughtEntry, filled);
  return filled;
}
