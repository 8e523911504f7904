#include "list/sorted_insertion.h"

#include <algorithm>
#include <cstddef>
#include <tuple>

namespace {

// Counts over 0 ... size - 1 with prefix sums and k-th element search in logarithmic time.
struct CountTree {
  std::vector<int32_t> tree;  // 1-based Fenwick tree
  int32_t top = 1;            // the highest power of two not above the size

  explicit CountTree(size_t size) : tree(size + 1, 0) {
    while (static_cast<size_t>(top) * 2 <= size) top *= 2;
  }
  void Add(size_t index, int32_t amount) {
    for (size_t i = index + 1; i < tree.size(); i += i & (~i + 1)) tree[i] += amount;
  }
  // Sum of the counts at 0 ... end - 1.
  int64_t Prefix(size_t end) const {
    int64_t sum = 0;
    for (size_t i = end; i > 0; i -= i & (~i + 1)) sum += tree[i];
    return sum;
  }
  // The index at which the prefix sum first exceeds k (counts are 0 or 1: the k-th counted
  // index, from 0).
  size_t FindCounted(int64_t k) const {
    size_t position = 0;
    for (size_t step = static_cast<size_t>(top); step > 0; step /= 2) {
      if (position + step < tree.size() && tree[position + step] <= k) {
        position += step;
        k -= tree[position];
      }
    }
    return position;
  }
};

// Members of a group are added one after another, the t-th one at offset offsets[t] within the
// group's items already in the list. Returns the slot within the group at which each member
// finally stands: later members are placed first, each earlier one takes the offsets[t]-th
// slot that later ones left free.
std::vector<int32_t> FinalSlots(const std::vector<int32_t>& offsets) {
  std::vector<int32_t> slots(offsets.size());
  if (offsets.size() == 1) return slots;
  CountTree free(offsets.size());
  for (size_t i = 0; i < offsets.size(); ++i) free.Add(i, 1);
  for (size_t t = offsets.size(); t-- > 0;) {
    size_t slot = free.FindCounted(offsets[t]);
    free.Add(slot, -1);
    slots[t] = static_cast<int32_t>(slot);
  }
  return slots;
}

struct Groups {
  std::vector<int32_t> start;    // start[r]: index of group r's first item in the sorted list
  std::vector<int32_t> members;  // the items of each group in file order, groups by rank
};

Groups GroupByRank(const std::vector<int32_t>& ranks) {
  Groups groups;
  groups.start.assign(ranks.size() + 1, 0);
  for (int32_t rank : ranks) ++groups.start[static_cast<size_t>(rank) + 1];
  for (size_t r = 1; r < groups.start.size(); ++r) groups.start[r] += groups.start[r - 1];
  groups.members.resize(ranks.size());
  std::vector<int32_t> next(groups.start.begin(), groups.start.end() - 1);
  for (size_t i = 0; i < ranks.size(); ++i) {
    groups.members[static_cast<size_t>(next[static_cast<size_t>(ranks[i])]++)] =
        static_cast<int32_t>(i);
  }
  return groups;
}

int32_t GroupSize(const Groups& groups, size_t rank) {
  return groups.start[rank + 1] - groups.start[rank];
}

// The offset within its group at which each item lands when all are added in file order,
// stored at the item's place in groups.members. An item alone in its group lands at offset 0;
// only equal items need the search worked out, and only up to the last of them.
std::vector<int32_t> FileOrderOffsets(const std::vector<int32_t>& ranks, const Groups& groups) {
  std::vector<int32_t> offsets(ranks.size(), 0);
  size_t end = ranks.size();
  while (end > 0 && GroupSize(groups, static_cast<size_t>(ranks[end - 1])) == 1) --end;
  if (end == 0) return offsets;
  std::vector<int32_t> added(ranks.size(), 0);
  CountTree byRank(ranks.size());
  for (size_t i = 0; i < end; ++i) {
    size_t rank = static_cast<size_t>(ranks[i]);
    if (GroupSize(groups, rank) > 1) {
      int64_t less = byRank.Prefix(rank);
      int64_t landing = ModelLanding(less, added[rank], static_cast<int64_t>(i));
      offsets[static_cast<size_t>(groups.start[rank] + added[rank])] =
          static_cast<int32_t>(landing - less);
      ++added[rank];
    }
    byRank.Add(rank, 1);
  }
  return offsets;
}

// Plans one group: which member to add at each step so that the group ends up as adding in
// file order arranges it.
void PlanGroup(const Groups& groups, const std::vector<int32_t>& fileOffsets, size_t rank,
               InsertionPlan& plan) {
  const int32_t first = groups.start[rank];
  const int32_t size = GroupSize(groups, rank);
  if (size == 0) return;
  if (size == 1) {  // most groups: nothing to arrange
    plan.order.push_back(groups.members[static_cast<size_t>(first)]);
    plan.landing.push_back(first);
    return;
  }
  std::vector<int32_t> slice(fileOffsets.begin() + first, fileOffsets.begin() + first + size);
  std::vector<int32_t> memberAtSlot(static_cast<size_t>(size));
  std::vector<int32_t> fileSlots = FinalSlots(slice);
  for (int32_t t = 0; t < size; ++t) {
    memberAtSlot[static_cast<size_t>(fileSlots[static_cast<size_t>(t)])] =
        groups.members[static_cast<size_t>(first + t)];
  }
  for (int32_t s = 0; s < size; ++s) {
    slice[static_cast<size_t>(s)] =
        static_cast<int32_t>(ModelLanding(first, s, static_cast<int64_t>(first) + s) - first);
  }
  std::vector<int32_t> stepSlots = FinalSlots(slice);
  for (int32_t s = 0; s < size; ++s) {
    plan.order.push_back(memberAtSlot[static_cast<size_t>(stepSlots[static_cast<size_t>(s)])]);
    plan.landing.push_back(first + slice[static_cast<size_t>(s)]);
  }
}

// Sorting keys compares them again and again; reading the keys themselves each time means a
// cache miss per comparison on a big list. Instead, eight bytes of every key at a time are
// copied next to its index and a range is sorted by them: keys whose eight bytes are equal are
// then sorted by their next eight bytes, and so on, so that every key is read once per level.
struct KeyChunk {
  uint64_t chunk;  // eight bytes of the key, big-endian, zero past its end
  int32_t index;
};

uint64_t ChunkOf(std::string_view key, size_t depth) {
  uint64_t chunk = 0;
  size_t at = depth * 8;
  for (size_t b = 0; b < 8; ++b) {
    uint8_t byte = at + b < key.size() ? static_cast<uint8_t>(key[at + b]) : 0;
    chunk = (chunk << 8) | byte;
  }
  return chunk;
}

struct ChunkRange {
  size_t begin, end, depth;
};

// Sorts the range by its chunks at its depth (ties by index) and returns the runs of equal
// chunks whose keys go on past them.
void SortByChunk(const SortKeys& keys, std::vector<KeyChunk>& chunks, const ChunkRange& range,
                 std::vector<ChunkRange>& deeper) {
  for (size_t i = range.begin; i < range.end; ++i) {
    chunks[i].chunk = ChunkOf(keys.Key(static_cast<size_t>(chunks[i].index)), range.depth);
  }
  std::sort(chunks.begin() + static_cast<std::ptrdiff_t>(range.begin),
            chunks.begin() + static_cast<std::ptrdiff_t>(range.end),
            [](const KeyChunk& a, const KeyChunk& b) {
              return std::tie(a.chunk, a.index) < std::tie(b.chunk, b.index);
            });
  for (size_t i = range.begin; i < range.end;) {
    size_t j = i + 1;
    while (j < range.end && chunks[j].chunk == chunks[i].chunk) ++j;
    // A chunk whose last byte is zero holds the end of its keys: they are equal.
    if (j - i > 1 && (chunks[i].chunk & 0xFF) != 0) deeper.push_back({i, j, range.depth + 1});
    i = j;
  }
}

}  // namespace

std::vector<int32_t> RanksOfKeys(const SortKeys& keys) {
  size_t count = keys.ends.size();
  std::vector<KeyChunk> chunks(count);
  for (size_t i = 0; i < count; ++i) chunks[i].index = static_cast<int32_t>(i);
  std::vector<ChunkRange> ranges = {{0, count, 0}};
  while (!ranges.empty()) {
    ChunkRange range = ranges.back();
    ranges.pop_back();
    SortByChunk(keys, chunks, range, ranges);
  }
  std::vector<int32_t> ranks(count);
  int32_t rank = 0;
  for (size_t i = 0; i < count; ++i) {
    size_t item = static_cast<size_t>(chunks[i].index);
    if (i > 0 && keys.Key(item) != keys.Key(static_cast<size_t>(chunks[i - 1].index))) {
      rank = static_cast<int32_t>(i);
    }
    ranks[item] = rank;
  }
  return ranks;
}

int64_t ModelLanding(int64_t less, int64_t equal, int64_t count) {
  int64_t low = 0;
  int64_t high = count - 1;
  while (low <= high) {
    int64_t middle = (low + high) / 2;
    if (middle < less) {
      low = middle + 1;
    } else if (middle >= less + equal) {
      high = middle - 1;
    } else {
      return middle;
    }
  }
  return low;
}

InsertionPlan PlanSortedInsertion(const std::vector<int32_t>& groupRanks) {
  Groups groups = GroupByRank(groupRanks);
  std::vector<int32_t> fileOffsets = FileOrderOffsets(groupRanks, groups);
  InsertionPlan plan;
  plan.order.reserve(groupRanks.size());
  plan.landing.reserve(groupRanks.size());
  for (size_t rank = 0; rank < groupRanks.size(); ++rank) {
    PlanGroup(groups, fileOffsets, rank, plan);
  }
  return plan;
}
