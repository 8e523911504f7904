// The list text of the main list, for editing: its entries in the order the main list shows.
#include <algorithm>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/list_text.h"
#include "list/main_list.h"
#include "list/website_list.h"

std::string ListToText() {
  const int32_t entryCount = gWebsiteList.file.entryCount;
  const int64_t storedEntries = StoredEntries(gWebsiteList.file.entries);
  std::vector<int32_t> order;
  order.reserve(static_cast<size_t>(std::max(entryCount, 0)));
  for (int32_t position = 1; position <= entryCount; ++position) {
    int32_t entry = ListGetItemData(gMainList.dialog, kMainListId, position);
    // An item value that names no entry (a missing item reads as -1) contributes no line.
    if (entry >= 1 && entry <= entryCount && entry <= storedEntries) order.push_back(entry);
  }
  return ListTextOfEntries(gWebsiteList.file.entries, order);
}
