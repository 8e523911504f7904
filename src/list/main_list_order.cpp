// A sorted list compares texts and searches among equal ones in its own way. The fill models
// both; before relying on the model, the main list itself is shown a set of texts chosen to
// reveal any difference: its comparison (letter case, accents, punctuation, digits, its
// locale) and where its search puts an item among equal ones.
#include "list/main_list_order.h"

#include <new>
#include <string>

#include "list/main_list.h"
#include "list/entry_store.h"

namespace {

// Added in this order. Groups of texts that are equal, or nearly so, under some comparison,
// with other texts between them, so that the search meets equal items at many places. The
// escapes are letters with accents in UTF-8 (e, E, a, A with accents, sharp s, ae).
const char* const kProbeTexts[] = {
    "Home",
    "zeta",
    "home",
    "Co-op",
    "HOME",
    "coop",
    "\xC3\xA9t\xC3\xA9",
    "Home",
    "_under",
    "hOME",
    "ete",
    "co-op",
    "Zeta",
    "10",
    "home",
    "9",
    "\xC3\x89T\xC3\x89",
    "HoMe",
    "it's",
    "its",
    "Home",
    "a",
    "\xC3\xA4",
    "A",
    "home",
    "Strasse",
    "Stra\xC3\x9F"
    "e",
    "ETE",
    "HOME",
    "http://home.example",
    "homE",
    "www.home.example",
    "Home",
    "ZETA",
    "\xC3\x84",
    "home",
    "zeta",
    "COOP",
    "Home",
    "ae",
    "\xC3\xA6",
    "home",
    "Docs",
    "Home",
    "docs",
    "HOME",
    "Docs",
    "home",
    "DOCS",
    "Home",
    "docs",
    "hOmE",
    "Docs",
    "home",
};
constexpr int32_t kProbeCount = static_cast<int32_t>(sizeof(kProbeTexts) / sizeof(kProbeTexts[0]));

// The arrangement the plan gives: text indexes in list order.
std::vector<int32_t> PlannedArrangement(const InsertionPlan& plan) {
  std::vector<int32_t> arrangement;
  for (size_t step = 0; step < plan.order.size(); ++step) {
    arrangement.insert(arrangement.begin() + plan.landing[step], plan.order[step]);
  }
  return arrangement;
}

// The arrangement the main list gives when the texts are added one by one.
std::vector<int32_t> AddedArrangement() {
  for (int32_t i = 0; i < kProbeCount; ++i) {
    int position = ListAddItem(gMainList.dialog, kMainListId, kProbeTexts[i]);
    if (position < 1) throw std::bad_alloc();  // LB_ERRSPACE
    ListSetItemData(gMainList.dialog, kMainListId, position, i);
  }
  std::vector<int32_t> arrangement;
  for (int p = 1; p <= ListCount(gMainList.dialog, kMainListId); ++p) {
    arrangement.push_back(ListGetItemData(gMainList.dialog, kMainListId, p));
  }
  return arrangement;
}

}  // namespace

void AppendSortKey(ListSortKeyMaker& maker, std::string_view text, SortKeys& keys) {
  AppendListSortKey(maker, text, keys.bytes);
  if (keys.bytes.size() > kLargestEntryText) throw std::bad_alloc();  // 32-bit ends
  keys.ends.push_back(static_cast<uint32_t>(keys.bytes.size()));
}

SortedFillPlan PlanOfSortKeys(SortKeys keys) {
  SortedFillPlan fill;
  fill.ranks = RanksOfKeys(keys);
  keys = SortKeys();
  fill.plan = PlanSortedInsertion(fill.ranks);
  return fill;
}

bool MainListPlacesAsPlanned(const ListOrder& order) {
  if (!order.comparesTexts) return false;
  SortedFillPlan fill = PlanSortedFill(order.locale, kProbeCount,
                                       [](int32_t i) { return std::string_view(kProbeTexts[i]); });
  std::vector<int32_t> added = AddedArrangement();
  ListReset(gMainList.dialog, kMainListId);
  return added == PlannedArrangement(fill.plan);
}
