// The main dialog's callback: initialisation, the deferred load of the default list, the main
// list's notifications, and the dispatch of commands.
#include "main_dialog/main_dialog.h"

#include "dialog_layer/dialog_layer.h"
#include "list/data_folder.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_dialog/find_field.h"
#include "main_dialog/list_changes.h"
#include "main_dialog/list_loading.h"
#include "main_dialog/main_dialog_text.h"

namespace {

void OnCommand(HWND dialog, WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case kOpenCommand:
      SendCommand(dialog, kShowItButtonId);  // exactly as if "ShowIt" had been clicked
      break;
    case kMainListId:
      OnMainListNotification(dialog, HIWORD(wParam));
      break;
    case kShowItButtonId:
      OpenSelectedEntry(dialog);
      break;
    case kAnotherListButtonId:
      ChooseAnotherList(dialog);
      break;
    case kChangeListButtonId:
      EditList(dialog);
      break;
    case kHelpCommand:
    case kHelpLabelId:
      ShowHelp();
      break;
    case kPasteCommand:
      PasteWebsite(dialog);
      break;
    case kRemoveCommand:
      RemoveSelectedWebsite(dialog);
      break;
    default:
      OnFindCommand(dialog, LOWORD(wParam), HIWORD(wParam));
  }
}

}  // namespace

void SendCommand(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, id, 0);
}

int32_t MainDialogCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitMainDialog(dialog);
      break;
    case kDeferredLoadMessage:
      LoadDefaultList(dialog);
      break;
    case WM_COMMAND:
      OnCommand(dialog, wParam);
      break;
    case kLinkDroppedMessage:
      AddDroppedLink(dialog, *reinterpret_cast<const DroppedLink*>(lParam));
      break;
  }
  return 0;
}

void InitMainDialog(HWND dialog) {
  FocusControl(dialog, kMainListId);
  ChooseDataFolder();
  AttachAccelerators(dialog, {{FVIRTKEY, VK_RETURN, kOpenCommand},
                              {FVIRTKEY, VK_F1, kHelpCommand},
                              {FVIRTKEY | FCONTROL, 'F', kFindCommand},
                              {FVIRTKEY, VK_F3, kFindCommand}});
  AttachKeysOutsideText(
      dialog, {{FCONTROL | FVIRTKEY, 'V', kPasteCommand}, {FVIRTKEY, VK_DELETE, kRemoveCommand}});
  AcceptLinkDrops(dialog);
  AttachMainList(dialog);
  PostMessageA(dialog, kDeferredLoadMessage, 0, 0);
}

void LoadDefaultList(HWND dialog) {
  gWebsiteList.listFilePath = DefaultListFile();
  if (!ListFileExists(gWebsiteList.listFilePath)) {
    ShowNotFoundMessage();
    SendCommand(dialog, kChangeListButtonId);
    return;
  }
  if (!LoadListAndReport(dialog)) return;
  SetStatusText(dialog, kStatusBarId, kCounterPart, 0,
                StartUpCounterText(gWebsiteList.file.entryCount));
}

void OnMainListNotification(HWND dialog, int notificationCode) {
  gWebsiteList.currentPosition = ListSelected(dialog, kMainListId);
  if (notificationCode == LBN_DBLCLK) SendCommand(dialog, kShowItButtonId);
  ShowCounter(dialog);
}

// While finding, the position among the matches and their number.
void ShowCounter(HWND dialog) {
  const int32_t position = gWebsiteList.currentPosition;
  SetStatusText(dialog, kStatusBarId, kCounterPart, 0,
                IsFinding() ? FindCounterText(position, ListCount(dialog, kMainListId))
                            : CounterText(position, gWebsiteList.file.entryCount));
}
