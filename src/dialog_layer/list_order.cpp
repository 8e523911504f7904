// The order of a sorted list box, and putting items in place in it without its own search.
#include <algorithm>

#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/list_window.h"

namespace {

// How a sorted list box compares the texts of its items.
constexpr DWORD kListComparison = NORM_IGNORECASE;

// -1, 0 or 1 as the first text sorts before, equal to or after the second.
int CompareAsList(uint32_t locale, const std::wstring& first, const std::wstring& second) {
  int result = CompareStringW(locale, kListComparison, first.data(), static_cast<int>(first.size()),
                              second.data(), static_cast<int>(second.size()));
  return result == 0 ? -2 : result - CSTR_EQUAL;  // -2: the comparison failed
}

}  // namespace

ListOrder ListOrderOf(HWND dialog, int listId) {
  ListOrder order;
  HWND list = ListWindow(dialog, listId);
  if (!list) return order;
  LONG style = GetWindowLongW(list, GWL_STYLE);
  order.comparesTexts =
      (style & LBS_SORT) == LBS_SORT && (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) == 0;
  order.locale = static_cast<uint32_t>(SendMessageW(list, LB_GETLOCALE, 0, 0));
  return order;
}

void AppendListSortKey(ListSortKeyMaker& maker, std::string_view text, std::string& keys) {
  constexpr DWORD kKeyKind = LCMAP_SORTKEY | kListComparison;
  const uint32_t locale = maker.locale;
  std::wstring& wide = maker.wide;
  ToWideInto(text, wide);
  int length = static_cast<int>(wide.size());
  size_t start = keys.size();
  // One call with room enough for the usual key; a second with the exact size otherwise.
  int room = 4 * length + 32;
  keys.resize(start + static_cast<size_t>(room));
  int made = LCMapStringW(locale, kKeyKind, wide.c_str(), length,
                          reinterpret_cast<wchar_t*>(&keys[start]), room);
  if (made == 0) {
    room = LCMapStringW(locale, kKeyKind, wide.c_str(), length, nullptr, 0);
    keys.resize(start + static_cast<size_t>(std::max(room, 0)));
    made = room > 0 ? LCMapStringW(locale, kKeyKind, wide.c_str(), length,
                                   reinterpret_cast<wchar_t*>(&keys[start]), room)
                    : 0;
  }
  // The key ends with a zero byte, which comparing keys by length makes unnecessary.
  keys.resize(start + static_cast<size_t>(made > 0 ? made - 1 : 0));
}

ListPlacement StartListPlacement(HWND dialog, int listId) {
  ListPlacement placement;
  placement.list = ListWindow(dialog, listId);
  placement.locale = ListOrderOf(dialog, listId).locale;
  return placement;
}

PlacedItem PlaceListItem(ListPlacement& placement, int position, std::string_view text,
                         int32_t value) {
  PlacedItem placed;
  if (!placement.list) return placed;
  placement.text.swap(placement.previous);
  ToWideInto(text, placement.text);
  LRESULT index = SendMessageW(placement.list, LB_INSERTSTRING, static_cast<WPARAM>(position - 1),
                               reinterpret_cast<LPARAM>(placement.text.c_str()));
  if (index < 0) return placed;  // LB_ERRSPACE, or LB_ERR
  placed.position = static_cast<int>(index) + 1;
  SendMessageW(placement.list, LB_SETITEMDATA, static_cast<WPARAM>(index),
               static_cast<LPARAM>(value));
  if (!placement.compares) return placed;
  // Identical texts compare equal under any comparison a sorted list can search by.
  if (placement.placed++ > 0 && placement.previous != placement.text) {
    placed.previousOrder = CompareAsList(placement.locale, placement.previous, placement.text);
  } else if (placement.placed > 1) {
    placed.previousOrder = 0;
  }
  return placed;
}
