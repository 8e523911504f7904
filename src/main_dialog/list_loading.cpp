#include "main_dialog/list_loading.h"

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/website_list.h"
#include "main_dialog/main_dialog.h"

bool LoadListAndReport(HWND dialog) {
  LoadOutcome outcome = LoadListFile();
  if (outcome == LoadOutcome::kUnreadable) return false;
  if (gWebsiteList.file.entryCount > 0) return true;
  ShowNotice("File has no content", MB_ICONINFORMATION, "");
  SendCommand(dialog, kChangeListButtonId);
  return false;
}
