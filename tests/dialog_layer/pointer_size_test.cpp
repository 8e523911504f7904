// What changes with the pointer size, stated for both builds: the 32-bit product and the 64-bit
// build that machines without 32-bit programs run. A structure size or offset that the code
// hands to the platform must be the platform's own on either.
#include <gtest/gtest.h>

#include <cstdint>

#include "dialog_layer/dialog_layer.h"
// After windows.h, which the layer's header brings.
#include <commdlg.h>

namespace {

struct SizeRow {
  const char* what;
  size_t measured;
  size_t on32;
  size_t on64;
};

TEST(PointerSize, PlatformLayoutsAreThoseOfTheBuild) {
  const bool is64 = sizeof(void*) == 8;
  const SizeRow rows[] = {
      {"LPARAM", sizeof(LPARAM), 4, 8},
      {"OPENFILENAMEW (Windows 2000 and later)", sizeof(OPENFILENAMEW), 88, 152},
      {"OPENFILENAMEW (older systems)", OPENFILENAME_SIZE_VERSION_400W, 76, 136},
      {"DWLP_DLGPROC, after the message result", DWLP_DLGPROC, 4, 8},
      {"DWLP_USER", DWLP_USER, 8, 16},
      {"DLGTEMPLATE, packed the same on both", sizeof(DLGTEMPLATE), 18, 18},
      {"DLGITEMTEMPLATE, packed the same on both", sizeof(DLGITEMTEMPLATE), 18, 18},
  };
  for (const SizeRow& row : rows) {
    EXPECT_EQ(row.measured, is64 ? row.on64 : row.on32) << row.what;
  }
}

// The main list keeps each item's entry number as its item data: every entry number a list can
// have comes back whole, and a missing item still reads as -1.
TEST(PointerSize, EntryNumbersSurviveAsItemData) {
  HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD, 0, 0, 200, 200, host, reinterpret_cast<HMENU>(101),
                  GetModuleHandleW(nullptr), nullptr);
  const int32_t entries[] = {1, 65536, INT32_MAX};
  int position = 0;
  for (int32_t entry : entries) {
    position = ListAddItem(host, 101, "site");
    ListSetItemData(host, 101, position, entry);
    EXPECT_EQ(ListGetItemData(host, 101, position), entry);
  }
  EXPECT_EQ(ListGetItemData(host, 101, position + 1), -1);
  DestroyWindow(host);
}

}  // namespace
