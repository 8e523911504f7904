// The order of the main list, as far as filling it in sorted order relies on it (Win32 side).
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "list/sorted_insertion.h"

struct SortedFillPlan {
  std::vector<int32_t> ranks;  // the group rank of every text, in the texts' order
  InsertionPlan plan;
};

// Appends the sort key of the text under the list's comparison. Throws std::bad_alloc when the
// keys do not fit in memory.
void AppendSortKey(ListSortKeyMaker& maker, std::string_view text, SortKeys& keys);
// The plan of the texts whose keys these are, in that order.
SortedFillPlan PlanOfSortKeys(SortKeys keys);

// Plans putting `count` texts, textAt(0) ... textAt(count - 1) in that order, into a sorted
// list of that order so that it ends as adding them one by one leaves it. Throws
// std::bad_alloc when the texts' sort keys do not fit in memory.
template <typename TextAt>
SortedFillPlan PlanSortedFill(uint32_t locale, int32_t count, const TextAt& textAt) {
  SortKeys keys;
  keys.ends.reserve(static_cast<size_t>(count));
  ListSortKeyMaker maker;
  maker.locale = locale;
  for (int32_t i = 0; i < count; ++i) AppendSortKey(maker, textAt(i), keys);
  return PlanOfSortKeys(std::move(keys));
}

// Whether the main list, empty, places items as the plan models it: a set of texts that
// compare equal in many ways (letter case, accents, punctuation, repeats) and that reveal how
// the list searches among equal items is added to it one by one, and it must end as the plan
// says. The main list is empty again afterwards. Throws std::bad_alloc when the list has no
// room (LB_ERRSPACE).
bool MainListPlacesAsPlanned(const ListOrder& order);
