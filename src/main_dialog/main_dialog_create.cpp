// Building the main dialog and running it: the program's start-up.
#include "main_dialog/main_dialog.h"

#include <commctrl.h>

#include "dialog_layer/dialog_layer.h"
#include "list/data_folder.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_dialog/find_field.h"
#include "main_dialog/main_dialog_text.h"

namespace {

constexpr int kDialogX = 2;
constexpr int kDialogY = 2;
constexpr int kDialogWidth = 310;
constexpr int kDialogHeight = 350;
constexpr DWORD kDialogStyle = WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME;
constexpr DWORD kHelpLabelStyle = SS_NOTIFY;
static_assert(kDialogStyle == 0x000A0080 && kHelpLabelStyle == 0x00000100,
              "the styles the main dialog and its help label are made with");

constexpr int kButtonY = 290;
constexpr int kButtonWidth = 95;
constexpr int kButtonHeight = 30;

// Right edges of the help part and the counter part (the counter part reaches the edge). The
// help part holds " F1-Help" with room to spare; the counter part holds counts of a million.
constexpr int kHelpPartEdge = 80;
constexpr int kCounterPartEdge = 9999;

void AddButton(HWND dialog, int id, const char* text, int x) {
  AddControl(kPushButton, dialog, id, text, x, kButtonY, kButtonWidth, kButtonHeight, 0, 0);
}

}  // namespace

HWND CreateMainDialog() {
  HWND dialog = NewDialog(kPixelMode, nullptr, MainDialogCaption(), kDialogX, kDialogY,
                          kDialogWidth, kDialogHeight, kDialogStyle, 0);
  AddControl(kListBox, dialog, kMainListId, "", 5, 10, 300, 280, kMainListStyle, 0);
  AddButton(dialog, kShowItButtonId, "ShowIt", 5);
  AddButton(dialog, kAnotherListButtonId, "Another List", 110);
  AddButton(dialog, kChangeListButtonId, "Change List", 210);
  AddControl(kLabel, dialog, kHelpLabelId, kHelpLabelText, 2, 335, 45, 16, kHelpLabelStyle, 0);
  AddControl(kStatusBar, dialog, kStatusBarId, "", 0, 0, 0, 0, 0, 0);
  SetStatusParts(dialog, kStatusBarId, {kHelpPartEdge, kCounterPartEdge});
  SetStatusText(dialog, kStatusBarId, kHelpPart, 0, kHelpLabelText);
  return dialog;
}

int32_t RunMainDialog() {
  HWND dialog = CreateMainDialog();
  ShowModal(dialog, MainDialogCallback, nullptr);
  return 0;
}

void ClearProgramState() {
  ClearWebsiteList();
  gMainFind = MainDialogFind();
  gDataFolder.clear();
  DetachMainList();
}
