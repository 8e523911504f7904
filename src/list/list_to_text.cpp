// The list text of the main list, for editing: its entries in the order the main list shows.
#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/list_text.h"
#include "list/main_list.h"
#include "list/main_list_fill.h"
#include "list/website_list.h"

std::string ListToText() {
  // An item whose value names no entry gives no line.
  return ListTextOfEntries(
      gWebsiteList.file.entries,
      MainListEntryOrder(gWebsiteList.file.entries, gWebsiteList.file.entryCount));
}
