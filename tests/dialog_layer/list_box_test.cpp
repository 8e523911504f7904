#include <gtest/gtest.h>

#include "dialog_layer/dialog_layer.h"

namespace {

constexpr int kListId = 101;

// A hidden top-level window holding one sorted list box with the given id.
struct ListHost {
  HWND window = nullptr;
  ListHost() {
    window = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_SORT | LBS_NOTIFY, 0, 0, 200, 200, window,
                    reinterpret_cast<HMENU>(kListId), GetModuleHandleW(nullptr), nullptr);
  }
  ~ListHost() { DestroyWindow(window); }
};

TEST(ListBox, PositionsCountFromOneAndAddReturnsTheSortedPlace) {
  ListHost host;
  EXPECT_EQ(ListAddItem(host.window, kListId, "zeta"), 1);
  EXPECT_EQ(ListAddItem(host.window, kListId, "Alpha"), 1);
  EXPECT_EQ(ListAddItem(host.window, kListId, "beta"), 2);
  EXPECT_EQ(ListCount(host.window, kListId), 3);
  EXPECT_EQ(ListItemText(host.window, kListId, 3), "zeta");

  ListSetItemData(host.window, kListId, 2, 42);
  EXPECT_EQ(ListGetItemData(host.window, kListId, 2), 42);
  EXPECT_EQ(ListGetItemData(host.window, kListId, 4), -1) << "missing position gives LB_ERR";

  EXPECT_EQ(ListSelected(host.window, kListId), 0) << "nothing selected yet";
  ListSelect(host.window, kListId, 3);
  EXPECT_EQ(ListSelected(host.window, kListId), 3);

  ListReset(host.window, kListId);
  EXPECT_EQ(ListCount(host.window, kListId), 0);
  EXPECT_EQ(ListSelected(host.window, kListId), 0);
}

TEST(ListBox, ItemTextCrossesAsUtf8) {
  ListHost host;
  ListAddItem(host.window, kListId, "caf\xC3\xA9");  // e acute in UTF-8
  EXPECT_EQ(ListItemText(host.window, kListId, 1), "caf\xC3\xA9");
}

}  // namespace
