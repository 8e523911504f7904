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
#include "list/entry_store.h"
#include "main_list_fixture.h"

namespace {

constexpr int kReferenceListId = 999;
constexpr LCID kUnitedStates = 0x0409;
constexpr LCID kSwedish = 0x041D;  // sorts "\xC3\x84" (A with diaeresis) after "z"
constexpr LCID kCzech = 0x0405;    // sorts "ch" after "h"

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

// The entries the main list is filled with.
EntryStore filledEntries;

int32_t FilledCount() {
  return static_cast<int32_t>(StoredEntries(filledEntries));
}

std::string DisplayTextOf(int32_t entry) {
  return std::string(DisplayText(EntryUrl(filledEntries, entry), EntryName(filledEntries, entry)));
}

void SetEntries(const std::vector<std::pair<std::string, std::string>>& entries) {
  filledEntries = EntryStore();
  for (const auto& [url, name] : entries) AppendEntry(filledEntries, url, name);
}

// Random lists: names drawn from a few that differ only in letter case or accents, names that
// many entries share, names equal to other entries' URLs, names of their own, and entries
// without a name (the URL is shown).
std::vector<std::pair<std::string, std::string>> RandomEntries(std::mt19937& rng, int count,
                                                               int ownNameShare) {
  const char* const kCaseVariants[] = {"Alpha",
                                       "alpha",
                                       "ALPHA",
                                       "aLpHa",
                                       "Beta",
                                       "beta",
                                       "\xC3\xA9t\xC3\xA9",
                                       "ETE",
                                       "\xC3\x89t\xC3\xA9",
                                       "ete"};
  const char* const kShared[] = {"Home",      "Login",  "Docs",        "home page",
                                 "Home-Page", "home's", "Caf\xC3\xA9", "cafe"};
  std::vector<std::pair<std::string, std::string>> entries;
  for (int i = 0; i < count; ++i) {
    std::string url =
        "http://site" + std::to_string(rng() % 50) + ".example/" + std::to_string(i % 40);
    std::string name;
    uint32_t kind = rng() % 100;
    if (kind < 10) {
      name = "";
    } else if (kind < 15) {
      name = "HTTP://site" + std::to_string(rng() % 50) + ".example/" + std::to_string(rng() % 40);
    } else if (kind < 15 + static_cast<uint32_t>(ownNameShare)) {
      name = "Site " + std::to_string(rng() % 1000) + (rng() % 2 ? " news" : " News");
    } else if (kind % 2 == 0) {
      name = kCaseVariants[rng() % 10];
    } else {
      name = kShared[rng() % 8];
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
    SendMessageW(reference, LB_SETLOCALE, SendMessageW(list_, LB_GETLOCALE, 0, 0), 0);
    for (int32_t e = 1; e <= FilledCount(); ++e) {
      int position = ListAddItem(host_, kReferenceListId, DisplayTextOf(e));
      ListSetItemData(host_, kReferenceListId, position, e);
    }
    Arrangement arrangement = ArrangementOf(host_, kReferenceListId);
    DestroyWindow(reference);
    return arrangement;
  }

  FilledList Fill(int32_t soughtEntry) {
    ListReset(host_, kMainListId);
    return FillMainList(filledEntries, FilledCount(), soughtEntry);
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
      {"many entries, half of them repeating names", 6000, 50},
      {"two entries", 2, 0},
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

// Names whose order depends on the locale.
std::vector<std::pair<std::string, std::string>> EntriesOfManyLocales(std::mt19937& rng) {
  auto entries = RandomEntries(rng, 500, 30);
  const char* const kNames[] = {"\xC3\x84pple", "apple", "Zebra", "chata", "hrad", "Chata", "cizi"};
  for (size_t i = 0; i < entries.size(); i += 5) entries[i].second = kNames[i % 7];
  return entries;
}

// A list sorts in its own locale, which need not be the user's.
TEST_F(MainListFill, SortedFillFollowsTheListsOwnLocale) {
  ASSERT_EQ(CompareStringW(kSwedish, NORM_IGNORECASE, L"\u00C4pple", -1, L"Zebra", -1),
            CSTR_GREATER_THAN);
  ASSERT_EQ(CompareStringW(kCzech, NORM_IGNORECASE, L"chata", -1, L"hrad", -1), CSTR_GREATER_THAN);
  std::mt19937 rng(11);
  for (LCID locale : {kSwedish, kCzech, kUnitedStates}) {
    SetEntries(EntriesOfManyLocales(rng));
    SendMessageW(list_, LB_SETLOCALE, locale, 0);
    FilledList filled = Fill(3);
    EXPECT_TRUE(filled.sortedFill) << "locale " << locale;
    EXPECT_EQ(ArrangementOf(host_, kMainListId), FileOrderArrangement()) << "locale " << locale;
    ExpectSoughtEntryFound(filled, 3);
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

// A list box whose search or comparison differs from the plan's model: its LB_ADDSTRING finds
// the place itself, with CompareStringW over the items it holds, and puts the item there with
// LB_INSERTSTRING. Whatever it does, the fill must leave what adding in file order leaves on
// it, and must notice that it cannot fill it in sorted order.
enum class Search { kAfterEqualItems, kBeforeEqualItems };

struct OtherListBox {
  const char* what;
  Search search;
  DWORD comparison;  // CompareStringW flags
  LCID sortLocale;   // the locale it sorts by
};

WNDPROC gListBoxProcedure = nullptr;
OtherListBox gOtherListBox;

std::wstring ItemTextW(HWND list, WPARAM index) {
  std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
  text.resize(static_cast<size_t>(
      SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

LRESULT OtherPlaceFor(HWND list, const wchar_t* text) {
  LRESULT low = 0;
  LRESULT high = SendMessageW(list, LB_GETCOUNT, 0, 0);
  while (low < high) {  // the first item after (or not before) the new one
    LRESULT middle = (low + high) / 2;
    int order = CompareStringW(gOtherListBox.sortLocale, gOtherListBox.comparison,
                               ItemTextW(list, static_cast<WPARAM>(middle)).c_str(), -1, text, -1);
    bool goesAbove = gOtherListBox.search == Search::kAfterEqualItems ? order != CSTR_GREATER_THAN
                                                                      : order == CSTR_LESS_THAN;
    if (goesAbove) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

LRESULT CALLBACK OtherSortedList(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == LB_ADDSTRING) {
    WPARAM place =
        static_cast<WPARAM>(OtherPlaceFor(list, reinterpret_cast<const wchar_t*>(lParam)));
    return CallWindowProcW(gListBoxProcedure, list, LB_INSERTSTRING, place, lParam);
  }
  return CallWindowProcW(gListBoxProcedure, list, message, wParam, lParam);
}

// Entries whose order differs between letter case kept and ignored, and between English and
// Swedish order.
std::vector<std::pair<std::string, std::string>> EntriesThatSortDifferently(std::mt19937& rng) {
  auto entries = RandomEntries(rng, 400, 30);
  const char* const kNames[] = {"\xC3\x84pple", "apple", "Zebra", "\xC3\xA4pple", "zebra", "Apple"};
  for (size_t i = 0; i < entries.size(); i += 7) entries[i].second = kNames[i % 6];
  return entries;
}

// Adds the entries in file order to the main list, as it is, and reads what it then holds.
Arrangement LiteralArrangement(HWND host) {
  ListReset(host, kMainListId);
  for (int32_t e = 1; e <= FilledCount(); ++e) {
    ListSetItemData(host, kMainListId, ListAddItem(host, kMainListId, DisplayTextOf(e)), e);
  }
  return ArrangementOf(host, kMainListId);
}

TEST_F(MainListFill, ListThatSearchesOrComparesOtherwiseIsFilledInFileOrder) {
  const OtherListBox cases[] = {
      {"puts a new item after the equal ones", Search::kAfterEqualItems, NORM_IGNORECASE,
       kUnitedStates},
      {"puts a new item before the first equal one", Search::kBeforeEqualItems, NORM_IGNORECASE,
       kUnitedStates},
      {"letter case counts", Search::kAfterEqualItems, 0, kUnitedStates},
      {"sorts in another locale than it reports", Search::kAfterEqualItems, NORM_IGNORECASE,
       kSwedish},
  };
  std::mt19937 rng(5);
  for (const OtherListBox& other : cases) {
    SetEntries(EntriesThatSortDifferently(rng));
    SendMessageW(list_, LB_SETLOCALE, kUnitedStates, 0);
    gOtherListBox = other;
    gListBoxProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OtherSortedList)));
    FilledList filled = Fill(251);
    Arrangement filledArrangement = ArrangementOf(host_, kMainListId);
    Arrangement literal = LiteralArrangement(host_);
    SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gListBoxProcedure));

    EXPECT_FALSE(filled.sortedFill) << other.what;
    EXPECT_EQ(filledArrangement, literal) << other.what;
    ASSERT_GT(filled.soughtPosition, 0) << other.what;
    EXPECT_EQ(filledArrangement.entries[static_cast<size_t>(filled.soughtPosition - 1)], 251)
        << other.what;
  }
}

// A list whose locale changes once the fill has planned by it: the items put in place no
// longer compare as planned, which the comparison of each with the one before it shows.
int gLocaleQuestions = 0;

LRESULT CALLBACK LocaleChangesAfterTheFirstQuestion(HWND list, UINT message, WPARAM wParam,
                                                    LPARAM lParam) {
  if (message == LB_GETLOCALE && ++gLocaleQuestions == 2) {
    CallWindowProcW(gListBoxProcedure, list, LB_SETLOCALE, kSwedish, 0);
  }
  return CallWindowProcW(gListBoxProcedure, list, message, wParam, lParam);
}

TEST_F(MainListFill, ItemsThatDoNotCompareAsPlannedMakeTheFillLiteral) {
  std::mt19937 rng(17);
  SetEntries(EntriesOfManyLocales(rng));
  SendMessageW(list_, LB_SETLOCALE, kUnitedStates, 0);
  gLocaleQuestions = 0;
  gListBoxProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LocaleChangesAfterTheFirstQuestion)));
  FilledList filled = Fill(40);
  SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gListBoxProcedure));

  ASSERT_EQ(SendMessageW(list_, LB_GETLOCALE, 0, 0), static_cast<LRESULT>(kSwedish));
  EXPECT_FALSE(filled.sortedFill);
  Arrangement filledArrangement = ArrangementOf(host_, kMainListId);
  EXPECT_EQ(filledArrangement, FileOrderArrangement()) << "in Swedish order";
  ExpectSoughtEntryFound(filled, 40);
}

// An owner-drawn list may leave comparing to its owner: it is filled the literal way.
TEST_F(MainListFill, OwnerDrawnListIsFilledInFileOrder) {
  host_ = NewDialog(kPixelMode, nullptr, "Owner-drawn", 0, 0, 310, 350, 0, 0);
  list_ = CreateWindowExW(
      0, L"LISTBOX", L"", WS_CHILD | LBS_SORT | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED, 0, 0, 200, 200,
      host_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMainListId)), nullptr, nullptr);
  ASSERT_TRUE(list_);
  mainList_.emplace(host_);  // in place of the fixture's
  std::mt19937 rng(23);
  SetEntries(RandomEntries(rng, 300, 20));
  FilledList filled = Fill(7);
  EXPECT_FALSE(filled.sortedFill);
  EXPECT_EQ(ArrangementOf(host_, kMainListId), FileOrderArrangement());
  ExpectSoughtEntryFound(filled, 7);
}

}  // namespace
