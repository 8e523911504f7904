// The list operations that make refilling a big list fast: the remembered list handle, redraw
// suspension, reserved storage and the sort keys of the list's own order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "layer_fixture.h"

namespace {

constexpr int kListId = 101;

HWND MakeHost(bool visible) {
  DWORD style = WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0);
  return CreateWindowExW(0, L"STATIC", L"host", style, 0, 0, 300, 300, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

HWND AddList(HWND host, bool visible) {
  DWORD style = WS_CHILD | WS_VSCROLL | LBS_SORT | (visible ? WS_VISIBLE : 0);
  return CreateWindowExW(0, L"LISTBOX", L"", style, 0, 0, 200, 100, host,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                         GetModuleHandleW(nullptr), nullptr);
}

// The layer remembers the list it found last; it must notice when that window is gone or
// another control now has the id.
TEST(ListRefill, OperationsReachTheControlThatHasTheIdNow) {
  WindowGuard first(MakeHost(false));
  WindowGuard second(MakeHost(false));
  HWND firstList = AddList(first.window, false);
  AddList(second.window, false);
  ListAddItem(first.window, kListId, "one");
  ListAddItem(first.window, kListId, "two");
  EXPECT_EQ(ListCount(second.window, kListId), 0) << "another dialog, the same id";
  EXPECT_EQ(ListCount(first.window, kListId), 2);

  DestroyWindow(firstList);
  EXPECT_EQ(ListCount(first.window, kListId), 0) << "no list of that id any more";
  AddList(first.window, false);
  EXPECT_EQ(ListAddItem(first.window, kListId, "three"), 1) << "the new list, empty before";
  EXPECT_EQ(ListCount(first.window, kListId), 1);
}

SCROLLINFO VerticalScroll(HWND list) {
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE;
  GetScrollInfo(list, SB_VERT, &info);
  return info;
}

TEST(ListRefill, ResumingShowsTheListAgainWithItsScrollBarUpToDate) {
  WindowGuard host(MakeHost(true));
  HWND list = AddList(host.window, true);
  ListSuspendRedraw(host.window, kListId);
  for (int i = 0; i < 50; ++i) ListAddItem(host.window, kListId, "item " + std::to_string(i));
  ListResumeRedraw(host.window, kListId);

  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(ListCount(host.window, kListId), 50);
  SCROLLINFO info = VerticalScroll(list);
  EXPECT_EQ(info.nMax, 49) << "the scroll range covers every item";
  EXPECT_GT(info.nPage, 0u);
  EXPECT_LT(info.nPage, 50u);
}

TEST(ListRefill, AHiddenListStaysHidden) {
  WindowGuard host(MakeHost(true));
  HWND list = AddList(host.window, false);
  ListSuspendRedraw(host.window, kListId);
  ListAddItem(host.window, kListId, "item");
  ListResumeRedraw(host.window, kListId);
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(ListCount(host.window, kListId), 1);
}

TEST(ListRefill, ReservingRoomChangesNothingVisible) {
  WindowGuard host(MakeHost(false));
  AddList(host.window, false);
  ListAddItem(host.window, kListId, "b");
  EXPECT_TRUE(ListReserve(host.window, kListId, 100000, 100000 * 40));
  EXPECT_EQ(ListCount(host.window, kListId), 1);
  EXPECT_EQ(ListAddItem(host.window, kListId, "a"), 1);
}

// Keys compared byte by byte give the order the list box gives; letter case makes no
// difference to either.
TEST(ListRefill, SortKeysOrderTextsAsTheListDoes) {
  const std::vector<std::string> texts = {"zeta",
                                          "Alpha",
                                          "alpha",
                                          "ALPHA",
                                          "beta",
                                          "_under",
                                          "Beta 2",
                                          "beta 10",
                                          "http://a.example",
                                          "www.b.example",
                                          "Home-Page",
                                          "home page",
                                          "home's",
                                          "caf\xC3\xA9",
                                          "cafe",
                                          "123",
                                          "",
                                          "a"};
  WindowGuard host(MakeHost(false));
  AddList(host.window, false);
  ListOrder order = ListOrderOf(host.window, kListId);
  EXPECT_TRUE(order.comparesTexts);
  ListSortKeyMaker maker;
  maker.locale = order.locale;
  std::vector<std::string> keys;
  for (const std::string& text : texts) {
    ListAddItem(host.window, kListId, text);
    std::string key;
    AppendListSortKey(maker, text, key);
    keys.push_back(key);
  }
  std::vector<size_t> byKey(texts.size());
  for (size_t i = 0; i < byKey.size(); ++i) byKey[i] = i;
  std::stable_sort(byKey.begin(), byKey.end(), [&keys](size_t a, size_t b) {
    return std::string_view(keys[a]) < std::string_view(keys[b]);
  });
  for (size_t p = 0; p < byKey.size(); ++p) {
    std::string listed = ListItemText(host.window, kListId, static_cast<int>(p) + 1);
    std::string keyed = texts[byKey[p]];
    std::string listedKey, keyedKey;
    AppendListSortKey(maker, listed, listedKey);
    AppendListSortKey(maker, keyed, keyedKey);
    EXPECT_EQ(listedKey, keyedKey)
        << "position " << p + 1 << ": list " << listed << ", keys " << keyed;
  }
  std::string upper, lower;
  AppendListSortKey(maker, "ALPHA", upper);
  AppendListSortKey(maker, "alpha", lower);
  EXPECT_EQ(upper, lower);
  EXPECT_FALSE(upper.empty());
}

// Items put in place stay where they are put, carry their values, and each is compared with
// the one put in before it as the list compares, in the list's locale.
TEST(ListRefill, PlacedItemsAreComparedWithTheOnePutInBefore) {
  WindowGuard host(MakeHost(false));
  HWND list = AddList(host.window, false);
  SendMessageW(list, LB_SETLOCALE, 0x041D, 0);  // Swedish: "\xC3\x84" (A with diaeresis) after "z"
  struct Step {
    int position;
    const char* text;
    int previousOrder;
  };
  const Step steps[] = {{1, "beta", -1},        {1, "zebra", -1},        {3, "Beta", 1},
                        {3, "BETA", 0},         {2, "\xC3\x84pple", -1}, {4, "\xC3\x84pple", 0},
                        {1, "\xC3\xA4pple", 0}, {1, "Zebra", 1}};
  ListPlacement placement = StartListPlacement(host.window, kListId);
  int32_t value = 0;
  for (const Step& step : steps) {
    PlacedItem placed = PlaceListItem(placement, step.position, step.text, ++value);
    EXPECT_EQ(placed.position, step.position) << step.text;
    EXPECT_EQ(placed.previousOrder, step.previousOrder) << step.text;
  }
  const std::vector<std::string> texts = {"Zebra", "\xC3\xA4pple", "zebra", "\xC3\x84pple",
                                          "beta",  "\xC3\x84pple", "BETA",  "Beta"};
  const std::vector<int32_t> values = {8, 7, 2, 5, 1, 6, 4, 3};
  ASSERT_EQ(ListCount(host.window, kListId), 8);
  for (int p = 1; p <= 8; ++p) {
    EXPECT_EQ(ListItemText(host.window, kListId, p), texts[static_cast<size_t>(p - 1)]);
    EXPECT_EQ(ListGetItemData(host.window, kListId, p), values[static_cast<size_t>(p - 1)]);
  }
}

}  // namespace
