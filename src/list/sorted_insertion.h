// Filling a sorted list control fast without changing what it ends up holding. Portable.
//
// A sorted list control finds the place of each new item by a binary search over the items it
// holds and moves every item after that place up by one. Items added in file order land all
// over the list, so a big list costs time proportional to the square of its size; items added
// in sorted order land at its end. The result must stay exactly what adding in file order
// gives, and that matters where items compare equal (names that differ only in letter case,
// or repeat): the control puts a new item right before the first equal item its search
// happens to probe, so the order of equal items depends on the whole history of additions.
//
// The plan below models that search, works out the arrangement that adding in file order
// produces, and orders each group of equal items so that adding them in sorted order produces
// the same. It also tells where the control should report each addition: a report that
// differs shows that the control compares or searches otherwise than modelled.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Sort keys of many texts in one buffer: key k runs from ends[k - 1] (0 for the first) to
// ends[k]. A key holds no zero byte.
struct SortKeys {
  std::string bytes;
  std::vector<uint32_t> ends;

  std::string_view Key(size_t index) const {
    size_t start = index == 0 ? 0 : ends[index - 1];
    return std::string_view(bytes).substr(start, ends[index] - start);
  }
};

// The group rank of every key: keys equal byte for byte share a rank, and a key that sorts
// before another (bytes compared as unsigned numbers, a key that is the start of another
// first) has a lower rank. A group's rank is the number of keys that sort before it.
std::vector<int32_t> RanksOfKeys(const SortKeys& keys);

// Where the control puts a new item, as a 0-based index: it holds `count` items in sorted
// order, of which the first `less` sort before the new item and the next `equal` compare equal
// to it. The binary search probes the middle of the remaining range, goes on below an item that
// sorts after the new one and above an item that sorts before it, and stops at the first equal
// item it probes; without one it ends where the new item belongs.
int64_t ModelLanding(int64_t less, int64_t equal, int64_t count);

struct InsertionPlan {
  std::vector<int32_t> order;    // order[s]: the item (its index in file order) added at step s
  std::vector<int32_t> landing;  // landing[s]: the 0-based index the control reports for it
};

// groupRanks[i] is the rank of item i's group, items in file order: items of one rank compare
// equal, and a lower rank sorts before a higher one. Ranks must lie in 0 ... number of items - 1.
// Adding the items in the plan's order gives the arrangement that adding them in file order
// gives, every group landing after all groups of lower rank.
InsertionPlan PlanSortedInsertion(const std::vector<int32_t>& groupRanks);
