// The main list while finding: only the matches, in the list's own order, and the whole list
// again when the find ends. Both reuse the order the main list held when the find started, so
// that no text is sorted or measured again: the items carry their entry numbers as always, and
// the current position keeps its meaning (the position of the selected item).
#include <algorithm>
#include <new>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/main_list_fill.h"
#include "list/website_list.h"
#include "main_dialog/find_field.h"
#include "main_dialog/main_dialog.h"

namespace {

constexpr char kFindOutOfMemoryNotice[] = "There is not enough memory to find websites.";

// Refills the main list with the entries in that order and selects the position (none: 0).
void RefillMainList(const std::vector<int32_t>& order, int32_t position) {
  MainListDrawingPause pause;
  ListReset(gMainList.dialog, kMainListId);
  FillMainListInOrder(gWebsiteList.file.entries, order);
  if (position > 0) ListSelect(gMainList.dialog, kMainListId, position);
  gWebsiteList.currentPosition = position;
}

}  // namespace

int32_t SelectedEntry(HWND dialog) {
  int position = ListSelected(dialog, kMainListId);
  if (position < 1) return 0;
  int32_t entry = ListGetItemData(dialog, kMainListId, position);
  return entry >= 1 && entry <= gWebsiteList.file.entryCount ? entry : 0;
}

void ShowMatches(HWND dialog) {
  int32_t selected = SelectedEntry(dialog);
  if (selected > 0) gMainFind.lastSelectedEntry = selected;
  std::string query = GetControlText(ControlHandle(dialog, kFindFieldId));
  try {
    if (!ApplyQuery(gMainFind.find, gWebsiteList.file.entries, query)) return;
    const std::vector<int32_t>& matches = gMainFind.find.matches;
    RefillMainList(matches, matches.empty() ? 0 : 1);
  } catch (const std::bad_alloc&) {
    gMainFind.find.matches.clear();  // the list may hold some of them: it is filled anew
    CloseFind(dialog);
    ShowNotice(kFindOutOfMemoryNotice, MB_ICONERROR | MB_OK, "");
    return;
  }
  ShowCounter(dialog);
}

void ShowWholeList(int32_t entryToSelect) {
  const std::vector<int32_t>& whole = gMainFind.find.wholeOrder;
  auto found = std::find(whole.begin(), whole.end(), entryToSelect);
  int32_t position = found == whole.end() ? 1 : static_cast<int32_t>(found - whole.begin()) + 1;
  if (gMainFind.find.matches.size() == whole.size()) {  // the list shows the whole list already
    if (!whole.empty()) ListSelect(gMainList.dialog, kMainListId, position);
    gWebsiteList.currentPosition = whole.empty() ? 0 : position;
    return;
  }
  try {
    RefillMainList(whole, whole.empty() ? 0 : position);
  } catch (const std::bad_alloc&) {
    // The main list must not stay in part: the list file is loaded again, which shows the
    // whole list with that entry selected, or says that it does not fit.
    gWebsiteList.currentPosition = entryToSelect;
    LoadListFile();
  }
}
