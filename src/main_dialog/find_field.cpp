// The find field of the main dialog: opening and closing it, the room it takes from the main
// list, and the keys that belong to it while it is open.
#include "main_dialog/find_field.h"

#include <utility>

#include "dialog_layer/dialog_layer.h"
#include "list/main_list.h"
#include "list/main_list_fill.h"
#include "list/website_list.h"
#include "main_dialog/main_dialog.h"

MainDialogFind gMainFind;

namespace {

// The main list at rest, and while the find field takes the top of its room.
constexpr int kListX = 5;
constexpr int kListWidth = 300;
constexpr int kListBottom = 290;
constexpr int kRestListY = 10;
constexpr int kFindingListY = 32;

constexpr int kLabelX = 5;
constexpr int kLabelY = 10;
constexpr int kLabelWidth = 30;
constexpr int kLabelHeight = 16;
constexpr int kFieldX = 36;
constexpr int kFieldY = 7;
constexpr int kFieldWidth = kListX + kListWidth - kFieldX;
constexpr int kFieldHeight = 21;

void PlaceMainList(HWND dialog, int y) {
  PlaceControl(dialog, kMainListId, kListX, y, kListWidth, kListBottom - y);
}

// Made the first time a find opens, so that the dialog at rest has only its own controls. The
// label comes right before the field, which takes its text as its accessible name.
void ShowFindField(HWND dialog) {
  if (!ControlHandle(dialog, kFindFieldId)) {
    AddControl(kLabel, dialog, kFindLabelId, kFindLabelText, kLabelX, kLabelY, kLabelWidth,
               kLabelHeight, 0, 0);
    AddControl(kTextBox, dialog, kFindFieldId, "", kFieldX, kFieldY, kFieldWidth, kFieldHeight, 0,
               0);
    SetCueText(dialog, kFindFieldId, kFindCueText);
  }
  ShowControl(dialog, kFindLabelId, true);
  ShowControl(dialog, kFindFieldId, true);
}

std::vector<ACCEL> FindingAccelerators(std::vector<ACCEL> records) {
  for (size_t i = 0; i < sizeof(kListKeys) / sizeof(kListKeys[0]); ++i) {
    records.push_back({FVIRTKEY, static_cast<WORD>(kListKeys[i]),
                       static_cast<WORD>(kListKeyCommand + static_cast<int>(i))});
  }
  return records;
}

void OnListKeyCommand(HWND dialog, int id) {
  size_t index = static_cast<size_t>(id - kListKeyCommand);
  if (index < sizeof(kListKeys) / sizeof(kListKeys[0])) {
    SendKeyToControl(dialog, kMainListId, kListKeys[index]);
  }
}

}  // namespace

bool IsFinding() {
  return gMainFind.open;
}

void OnFindCommand(HWND dialog, int id, int notificationCode) {
  if (id == kFindCommand) {
    OpenFind(dialog);
  } else if (id == IDCANCEL) {
    CloseFind(dialog);
  } else if (!gMainFind.open) {
    return;
  } else if (id == kFindFieldId && notificationCode == EN_CHANGE) {
    ShowMatches(dialog);
  } else if (id >= kListKeyCommand) {
    OnListKeyCommand(dialog, id);
  }
}

void OpenFind(HWND dialog) {
  if (!gMainFind.open) {
    if (gWebsiteList.file.entryCount <= 0) return;
    gMainFind.open = true;
    gMainFind.find =
        StartWebsiteFind(MainListEntryOrder(gWebsiteList.file.entries, gWebsiteList.file.entryCount));
    gMainFind.lastSelectedEntry = SelectedEntry(dialog);
    gMainFind.restAccelerators = AttachedAccelerators(dialog);
    AttachAccelerators(dialog, FindingAccelerators(gMainFind.restAccelerators));
    PlaceMainList(dialog, kFindingListY);
    ShowFindField(dialog);
  }
  FocusControl(dialog, kFindFieldId);
  SelectAllText(dialog, kFindFieldId);
}

void CloseFind(HWND dialog) {
  if (!gMainFind.open) return;
  int32_t selected = SelectedEntry(dialog);
  int32_t entryToSelect = selected > 0 ? selected : gMainFind.lastSelectedEntry;
  ShowWholeList(entryToSelect);
  std::vector<ACCEL> restAccelerators = std::move(gMainFind.restAccelerators);
  gMainFind = MainDialogFind();
  AttachAccelerators(dialog, restAccelerators);
  FocusControl(dialog, kMainListId);
  SetControlText(ControlHandle(dialog, kFindFieldId), "");  // not finding: shows nothing
  ShowControl(dialog, kFindFieldId, false);
  ShowControl(dialog, kFindLabelId, false);
  PlaceMainList(dialog, kRestListY);
  ShowCounter(dialog);
}
