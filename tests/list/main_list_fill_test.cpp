// The main list filled in sorted order must hold exactly what adding the entries in file order
// gives on the same list box: the same texts at the same positions carrying the same entry
// numbers, also where display texts differ only in letter case or repeat.
#include "list/main_list_fill.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "list/list_format.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_list_fixture.h"

namespace {

constexpr int kReferenceListId = 999;

struct Arrangement {
  std::vector<std::string> texts;
  std::vector<int32_t> entries;
};

bool operator==(const Arrangement& a, const Arrangement& b) {
  return a.texts == b.texts && a.entries == b.entries;
}

std::ostream& operator<<(std::ostream& out, const Arrangement& arrangement) {
  for (size_t i = 0; i < arrangement.texts.size(); ++i) {
    out << "\n  " << arrangement.texts[i] << " (" << arrangement.entries[i] << ")";
  }
  return out;
}

Arrangement ArrangementOf(HWND dialog, int listId) {
  Arrangement arrangement;
  for (int p = 1; p <= ListCount(dialog, listId); ++p) {
    arrangement.texts.push_back(ListItemText(dialog, listId, p));
    arrangement.entries.push_back(ListGetItemData(dialog, listId, p));
  }
  return arrangement;
}

void SetEntries(const std::vector<std::pair<std::string, std::string>>& entries) {
  gWebsiteList.entries = EntryStore();
  for (const auto& [url, name] : entries) AppendEntry(gWebsiteList.entries, url, name);
  gWebsiteList.entryCount = static_cast<int32_t>(entries.size());
}

// Random lists: names drawn from a few that differ only in letter case, names that many
// entries share, names of their own, and entries without a name (the URL is shown).
std::vector<std::pair<std::string, std::string>> RandomEntries(std::mt19937& rng, int count,
                                                               int ownNameShare) {
  const char* const kCaseVariants[] = {"Alpha", "alpha", "ALPHA", "aLpHa", "Beta", "beta"};
  const char* const kShared[] = {"Home", "Login", "Docs", "home page", "Home-Page", "home's"};
  std::vector<std::pair<std::string, std::string>> entries;
  for (int i = 0; i < count; ++i) {
    std::string url = "http://site" + std::to_string(rng() % 50) + ".example/" + std::to_string(i);
    std::string name;
    uint32_t kind = rng() % 100;
    if (kind < 10) {
      name = "";
    } else if (kind < 10 + static_cast<uint32_t>(ownNameShare)) {
      name = "Site " + std::to_string(rng() % 1000) + (rng() % 2 ? " news" : " News");
    } else if (kind % 2 == 0) {
      name = kCaseVariants[rng() % 6];
    } else {
      name = kShared[rng() % 6];
    }
    entries.emplace_back(url, name);
  }
  return entries;
}

class MainListFill : public MainListTest {
 protected:
  // What adding the display texts in file order gives on a sorted list box of the same kind.
  Arrangement FileOrderArrangement() {
    HWND reference = CreateWindowExW(
        0, L"LISTBOX", L"", WS_CHILD | LBS_SORT | LBS_HASSTRINGS, 0, 0, 100, 100, host_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kReferenceListId)), nullptr, nullptr);
    for (int32_t e = 1; e <= gWebsiteList.entryCount; ++e) {
      std::string shown(DisplayText(EntryUrl(gWebsiteList, e), EntryName(gWebsiteList, e)));
      int position = ListAddItem(host_, kReferenceListId, shown);
      ListSetItemData(host_, kReferenceListId, position, e);
    }
    Arrangement arrangement = ArrangementOf(host_, kReferenceListId);
    DestroyWindow(reference);
    return arrangement;
  }

  FilledList Fill(int32_t soughtEntry) {
    ListReset(host_, kMainListId);
    return FillMainList(gWebsiteList.entryCount, soughtEntry);
  }

  void ExpectSoughtEntryFound(const FilledList& filled, int32_t soughtEntry) {
    ASSERT_GT(filled.soughtPosition, 0);
    EXPECT_EQ(ListGetItemData(host_, kMainListId, filled.soughtPosition), soughtEntry);
  }
};

TEST_F(MainListFill, SortedFillEqualsFileOrderWithCaseVariantsAndRepeatedNames) {
  std::mt19937 rng(2024);
  struct Case {
    const char* what;
    int count;
    int ownNameShare;  // percent of entries with a name of their own
  };
  const Case cases[] = {
      {"nearly all names repeat in some letter case", 300, 5},
      {"a few repeated names among many", 1500, 70},
      {"one entry", 1, 50},
  };
  for (const Case& c : cases) {
    for (int round = 0; round < 3; ++round) {
      SetEntries(RandomEntries(rng, c.count, c.ownNameShare));
      int32_t sought = 1 + static_cast<int32_t>(rng() % static_cast<uint32_t>(c.count));
      FilledList filled = Fill(sought);
      EXPECT_TRUE(filled.sortedFill) << c.what << ": the list placed items otherwise than planned";
      ASSERT_EQ(ArrangementOf(host_, kMainListId), FileOrderArrangement())
          << c.what << ", round " << round;
      ExpectSoughtEntryFound(filled, sought);
    }
  }
}

TEST_F(MainListFill, IdenticalTextsKeepTheFileOrderArrangementOfTheirEntryNumbers) {
  std::vector<std::pair<std::string, std::string>> entries;
  // Items that sort before and after them change where the search meets the repeated ones.
  for (int i = 0; i < 300; ++i) {
    const std::string other = (i % 4 == 1 ? "A page " : "Z page ") + std::to_string(i);
    entries.emplace_back("http://h" + std::to_string(i) + ".example",
                         i % 2 ? other : (i % 3 ? "Home" : "HOME"));
  }
  SetEntries(entries);
  FilledList filled = Fill(78);
  EXPECT_TRUE(filled.sortedFill);
  EXPECT_EQ(ArrangementOf(host_, kMainListId), FileOrderArrangement());
  ExpectSoughtEntryFound(filled, 78);
}

// The widest text is found although most texts are not measured: byte counts mislead in a
// proportional font, so a short text of wide letters must still win.
TEST_F(MainListFill, FindsTheWidestTextAmongMany) {
  std::vector<std::pair<std::string, std::string>> entries;
  std::vector<std::string> shown;
  for (int i = 0; i < 1000; ++i) {
    std::string name = i == 613 ? "WWWWWWWWWWWWWW" : "illicit little list " + std::to_string(i);
    entries.emplace_back("http://e" + std::to_string(i) + ".example", name);
    shown.push_back(name);
  }
  SetEntries(entries);
  ASSERT_GT(ExpectedScrollWidth({"WWWWWWWWWWWWWW"}), ExpectedScrollWidth({shown[0]}))
      << "the short text of wide letters is the widest";
  EXPECT_EQ(Fill(0).widest, ExpectedScrollWidth(shown) - 8);
}

// A list box whose placement the plan does not model: it puts one marked text, which sorts
// last, on top. The fill notices the unplanned position and adds everything again in
// file order, so the result is still what adding in file order gives on that list box.
WNDPROC gListBoxProcedure = nullptr;

LRESULT CALLBACK MarkedTextOnTop(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == LB_ADDSTRING &&
      std::wstring(reinterpret_cast<const wchar_t*>(lParam)) == L"zzz marked") {
    return CallWindowProcW(gListBoxProcedure, list, LB_INSERTSTRING, 0, lParam);
  }
  return CallWindowProcW(gListBoxProcedure, list, message, wParam, lParam);
}

TEST_F(MainListFill, ListThatPlacesItemsOtherwiseIsFilledInFileOrder) {
  std::mt19937 rng(5);
  auto entries = RandomEntries(rng, 400, 30);
  entries[250].second = "zzz marked";
  SetEntries(entries);
  gListBoxProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MarkedTextOnTop)));

  FilledList filled = Fill(251);
  Arrangement filledArrangement = ArrangementOf(host_, kMainListId);
  ListReset(host_, kMainListId);
  for (int32_t e = 1; e <= gWebsiteList.entryCount; ++e) {
    std::string shown(DisplayText(EntryUrl(gWebsiteList, e), EntryName(gWebsiteList, e)));
    ListSetItemData(host_, kMainListId, ListAddItem(host_, kMainListId, shown), e);
  }
  SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gListBoxProcedure));

  EXPECT_FALSE(filled.sortedFill);
  EXPECT_EQ(filledArrangement, ArrangementOf(host_, kMainListId));
  ASSERT_GT(filled.soughtPosition, 0);
  EXPECT_EQ(filledArrangement.entries[static_cast<size_t>(filled.soughtPosition - 1)], 251);
}

}  // namespace
