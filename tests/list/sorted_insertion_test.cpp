#include "list/sorted_insertion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// A sorted list control written out literally: items are ranks, the binary search probes the
// middle, stops at the first equal item it meets and inserts the new item right before it.
struct LiteralSortedList {
  std::vector<int32_t> ranks;
  std::vector<int32_t> items;

  int32_t Add(int32_t rank, int32_t item) {
    int32_t low = 0;
    int32_t high = static_cast<int32_t>(ranks.size()) - 1;
    int32_t place = -1;
    while (low <= high) {
      int32_t middle = (low + high) / 2;
      if (ranks[static_cast<size_t>(middle)] == rank) {
        place = middle;
        break;
      }
      if (ranks[static_cast<size_t>(middle)] > rank) {
        high = middle - 1;
      } else {
        low = middle + 1;
      }
    }
    if (place < 0) place = low;
    ranks.insert(ranks.begin() + place, rank);
    items.insert(items.begin() + place, item);
    return place;
  }
};

std::vector<int32_t> FileOrderArrangement(const std::vector<int32_t>& ranks) {
  LiteralSortedList list;
  for (size_t i = 0; i < ranks.size(); ++i) list.Add(ranks[i], static_cast<int32_t>(i));
  return list.items;
}

// Adds the items as planned; every report must be the planned one, every item must land among
// or after the items of its own rank (never in front of a lower rank's run), and the list must
// end up as adding in file order leaves it.
void ExpectPlanGivesFileOrderResult(const std::vector<int32_t>& ranks, const char* what) {
  InsertionPlan plan = PlanSortedInsertion(ranks);
  ASSERT_EQ(plan.order.size(), ranks.size()) << what;
  ASSERT_EQ(plan.landing.size(), ranks.size()) << what;
  std::vector<int32_t> seen(ranks.size(), 0);
  std::vector<int32_t> sortedRanks(ranks);
  std::sort(sortedRanks.begin(), sortedRanks.end());
  LiteralSortedList list;
  for (size_t step = 0; step < plan.order.size(); ++step) {
    int32_t item = plan.order[step];
    ASSERT_TRUE(item >= 0 && static_cast<size_t>(item) < ranks.size()) << what;
    ASSERT_EQ(seen[static_cast<size_t>(item)]++, 0) << what << ": item " << item << " twice";
    int32_t rank = ranks[static_cast<size_t>(item)];
    int32_t lower = static_cast<int32_t>(
        std::lower_bound(sortedRanks.begin(), sortedRanks.end(), rank) - sortedRanks.begin());
    int32_t landed = list.Add(rank, item);
    ASSERT_EQ(landed, plan.landing[step]) << what << ": step " << step;
    ASSERT_GE(landed, lower) << what << ": step " << step << " landed in an earlier run";
  }
  EXPECT_EQ(list.items, FileOrderArrangement(ranks)) << what;
}

TEST(PlanSortedInsertion, SmallListsWithTies) {
  struct Case {
    const char* what;
    std::vector<int32_t> ranks;
  };
  const Case cases[] = {
      {"empty", {}},
      {"one item", {0}},
      {"distinct, reversed", {4, 3, 2, 1, 0}},
      {"two equal", {0, 0}},
      {"three equal: the third lands by the search, not at either end", {0, 0, 0}},
      {"equal items among others", {2, 0, 2, 1, 2, 2, 0, 2}},
      {"all equal", std::vector<int32_t>(37, 0)},
      {"ranks with gaps", {5, 0, 5, 3, 5, 0}},
  };
  for (const Case& c : cases) ExpectPlanGivesFileOrderResult(c.ranks, c.what);
}

TEST(PlanSortedInsertion, AgreesWithFileOrderOnRandomLists) {
  std::mt19937 rng(9001);
  for (int round = 0; round < 3000; ++round) {
    size_t size = rng() % 60;
    // Few groups make many ties; many groups make mostly distinct items.
    int32_t groups = 1 + static_cast<int32_t>(rng() % (round % 2 == 0 ? 4 : 40));
    std::vector<int32_t> ranks(size);
    for (int32_t& rank : ranks) {
      rank = static_cast<int32_t>(rng() % static_cast<uint32_t>(groups));
      if (static_cast<size_t>(rank) >= size) rank = 0;
    }
    ExpectPlanGivesFileOrderResult(ranks, ("round " + std::to_string(round)).c_str());
  }
}

TEST(PlanSortedInsertion, LargeListWithBigGroups) {
  std::mt19937 rng(17);
  std::vector<int32_t> ranks(20'000);
  for (int32_t& rank : ranks) rank = static_cast<int32_t>((rng() % 50) * 100);
  ExpectPlanGivesFileOrderResult(ranks, "20k items in 50 groups");
}

// Ranks by sorting the keys whole: the literal meaning of a rank.
std::vector<int32_t> LiteralRanks(const SortKeys& keys) {
  std::vector<int32_t> ranks(keys.ends.size());
  for (size_t i = 0; i < ranks.size(); ++i) {
    int32_t before = 0;
    for (size_t j = 0; j < ranks.size(); ++j) before += keys.Key(j) < keys.Key(i) ? 1 : 0;
    ranks[i] = before;
  }
  return ranks;
}

SortKeys KeysOf(const std::vector<std::string>& texts) {
  SortKeys keys;
  for (const std::string& text : texts) {
    keys.bytes += text;
    keys.ends.push_back(static_cast<uint32_t>(keys.bytes.size()));
  }
  return keys;
}

// Bytes compare as unsigned numbers: 0x80 and 0xFF sort after letters.
TEST(RanksOfKeys, EqualKeysShareTheRankOfTheirFirstPlace) {
  std::vector<std::string> texts = {"b", "a", "b", "ab", "", "a\xFF", "\x80", "", "b"};
  EXPECT_EQ(RanksOfKeys(KeysOf(texts)), (std::vector<int32_t>{5, 2, 5, 3, 0, 4, 8, 0, 5}));
  EXPECT_TRUE(RanksOfKeys(SortKeys()).empty());
}

// Keys that share long beginnings and end at and around the eight-byte steps of the sort.
TEST(RanksOfKeys, AgreeWithSortingWholeKeys) {
  std::mt19937 rng(31337);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> texts(rng() % 120);
    for (std::string& text : texts) {
      text = std::string(rng() % 20, 'k');
      size_t tail = rng() % 4;
      for (size_t i = 0; i < tail; ++i)
        text += static_cast<char>(1 + rng() % (round % 2 ? 2 : 255));
    }
    SortKeys keys = KeysOf(texts);
    ASSERT_EQ(RanksOfKeys(keys), LiteralRanks(keys)) << "round " << round;
  }
}

}  // namespace
