// The main list is filled in sorted order: the entries are sorted by the platform's sort keys,
// which order texts as the list's own comparison does, and every item is put straight at the
// place where adding the entries in file order would leave it, without the list's search.
// Three checks stand between that and a list arranged otherwise than adding in file order
// arranges it: the list must be a sorted list that compares its texts itself; shown a set of
// revealing texts, it must place them as the plan models (main_list_order.cpp); and every
// item must compare, under the list's own comparison, as the plan says with the item put in
// before it: equal within a group of equal texts, after it otherwise. Any doubt, and the list
// is filled in file order, the slow and literal way.
#include "list/main_list_fill.h"

#include <algorithm>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "list/list_format.h"
#include "list/main_list.h"
#include "list/main_list_order.h"
#include "list/text_width.h"
#include "list/entry_store.h"

namespace {

std::string_view DisplayTextOf(const EntryStore& entries, int32_t entry) {
  return DisplayText(EntryUrl(entries, entry), EntryName(entries, entry));
}

// An item added at or above the sought entry's item moves it down by one.
void FollowSoughtEntry(int32_t entry, int position, int32_t soughtEntry, FilledList& filled) {
  if (entry == soughtEntry) {
    filled.soughtPosition = position;
  } else if (filled.soughtPosition > 0 && position <= filled.soughtPosition) {
    ++filled.soughtPosition;
  }
}

size_t DisplayTextBytes(const EntryStore& entries, int32_t entryCount) {
  size_t bytes = 0;
  for (int32_t entry = 1; entry <= entryCount; ++entry) {
    bytes += DisplayTextOf(entries, entry).size();
  }
  return bytes;
}

// Room in the list for the items still to come, reserved before the first and again each time
// the list has doubled. Reserving once is not enough everywhere: Wine's list box keeps room for
// at most 32 items beyond those it holds, so the next item added gives the rest back, and its
// item array then grows 16 items at a time, each growth past the end of the heap block the array
// lies in moving the whole array. That makes a big fill take time growing with the square of
// its size (most of a 1M-entry load). Room given back by an array that is already big stays in
// its heap block, so once the array is, all later growth takes place where it lies.
struct RoomAhead {
  int32_t items = 0;            // items the fill adds
  size_t textBytesPerItem = 0;  // in UTF-16, on average
  int64_t reserveAt = 0;        // the number of items added at which room is reserved next
};

constexpr int64_t kFirstRoomStep = 8;

// Display texts of textBytes UTF-8 bytes in all, for that many items.
RoomAhead PlanRoomAhead(int32_t items, size_t textBytes) {
  textBytes *= sizeof(wchar_t);
  return {items, textBytes / static_cast<size_t>(std::max(items, 1)) + 1, 0};
}

RoomAhead PlanRoomAhead(const EntryStore& entries, int32_t entryCount) {
  return PlanRoomAhead(entryCount, DisplayTextBytes(entries, entryCount));
}

// Before adding the item that follows `added` items. Throws std::bad_alloc when the list has no
// room (LB_ERRSPACE).
void KeepRoomAhead(RoomAhead& room, int32_t added) {
  if (added < room.reserveAt) return;
  int32_t rest = room.items - added;
  if (!ListReserve(gMainList.dialog, kMainListId, rest,
                   room.textBytesPerItem * static_cast<size_t>(rest))) {
    throw std::bad_alloc();
  }
  room.reserveAt = std::max(2 * static_cast<int64_t>(added), kFirstRoomStep);
}

// Puts the entries in place as planned. False, as soon as an item does not compare with the
// one put in before it as planned: the list's comparison orders those texts otherwise.
bool PlaceAsPlanned(const EntryStore& entries, const SortedFillPlan& fill, int32_t soughtEntry,
                    RoomAhead room, FilledList& filled) {
  ListPlacement placement = StartListPlacement(gMainList.dialog, kMainListId);
  const InsertionPlan& plan = fill.plan;
  for (size_t step = 0; step < plan.order.size(); ++step) {
    KeepRoomAhead(room, static_cast<int32_t>(step));
    int32_t entry = plan.order[step] + 1;
    PlacedItem placed =
        PlaceListItem(placement, plan.landing[step] + 1, DisplayTextOf(entries, entry), entry);
    if (placed.position < 1) throw std::bad_alloc();  // LB_ERRSPACE: the list is out of memory
    bool sameGroup = step > 0 && fill.ranks[static_cast<size_t>(plan.order[step])] ==
                                     fill.ranks[static_cast<size_t>(plan.order[step - 1])];
    if (placed.position - 1 != plan.landing[step] || placed.previousOrder != (sameGroup ? 0 : -1)) {
      return false;
    }
    FollowSoughtEntry(entry, placed.position, soughtEntry, filled);
  }
  return true;
}

// The literal way: every entry in file order, placed by the list's own search.
void AddInFileOrder(const EntryStore& entries, int32_t entryCount, int32_t soughtEntry,
                    RoomAhead room, FilledList& filled) {
  for (int32_t entry = 1; entry <= entryCount; ++entry) {
    KeepRoomAhead(room, entry - 1);
    std::string text(DisplayTextOf(entries, entry));
    int position = ListAddItem(gMainList.dialog, kMainListId, text);
    if (position < 1) throw std::bad_alloc();  // LB_ERRSPACE: the list is out of memory
    ListSetItemData(gMainList.dialog, kMainListId, position, entry);
    FollowSoughtEntry(entry, position, soughtEntry, filled);
  }
}

int WidestDisplayText(const EntryStore& entries, int32_t entryCount) {
  MainListFontSelection selection;
  WidestText widest(entryCount);
  for (int32_t entry = 1; entry <= entryCount; ++entry) {
    widest.Consider(DisplayTextOf(entries, entry));
  }
  return widest.widest;
}

// Fills the list in sorted order when it places items as modelled; false otherwise, with the
// list emptied again.
bool FillInSortedOrder(const EntryStore& entries, int32_t entryCount, int32_t soughtEntry,
                       FilledList& filled) {
  ListOrder order = ListOrderOf(gMainList.dialog, kMainListId);
  if (!MainListPlacesAsPlanned(order)) return false;
  SortedFillPlan fill = PlanSortedFill(
      order.locale, entryCount, [&entries](int32_t i) { return DisplayTextOf(entries, i + 1); });
  if (PlaceAsPlanned(entries, fill, soughtEntry, PlanRoomAhead(entries, entryCount), filled)) {
    return true;
  }
  ListReset(gMainList.dialog, kMainListId);
  filled.soughtPosition = 0;
  return false;
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

FilledList FillMainList(const EntryStore& entries, int32_t entryCount, int32_t soughtEntry) {
  FilledList filled;
  if (entryCount <= 0) return filled;
  filled.widest = WidestDisplayText(entries, entryCount);
  filled.sortedFill = FillInSortedOrder(entries, entryCount, soughtEntry, filled);
  if (filled.sortedFill) return filled;
  AddInFileOrder(entries, entryCount, soughtEntry, PlanRoomAhead(entries, entryCount), filled);
  return filled;
}

std::vector<int32_t> MainListEntryOrder(const EntryStore& entries, int32_t entryCount) {
  const int64_t storedEntries = StoredEntries(entries);
  std::vector<int32_t> order;
  order.reserve(static_cast<size_t>(std::max(entryCount, 0)));
  for (int32_t position = 1; position <= entryCount; ++position) {
    int32_t entry = ListGetItemData(gMainList.dialog, kMainListId, position);
    // A missing item reads as -1.
    if (entry >= 1 && entry <= entryCount && entry <= storedEntries) order.push_back(entry);
  }
  return order;
}

void FillMainListInOrder(const EntryStore& entries, const std::vector<int32_t>& order) {
  if (order.empty()) return;
  size_t textBytes = 0;
  for (int32_t entry : order) textBytes += DisplayTextOf(entries, entry).size();
  RoomAhead room = PlanRoomAhead(static_cast<int32_t>(order.size()), textBytes);
  ListPlacement placement = StartListPlacement(gMainList.dialog, kMainListId);
  placement.compares = false;
  int position = 0;
  for (int32_t entry : order) {
    KeepRoomAhead(room, position);
    PlacedItem placed = PlaceListItem(placement, ++position, DisplayTextOf(entries, entry), entry);
    if (placed.position < 1) throw std::bad_alloc();  // LB_ERRSPACE: the list is out of memory
  }
}
