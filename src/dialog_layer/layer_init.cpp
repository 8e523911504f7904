// Process-wide set-up and release of the dialog layer.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/window_records.h"

#include <commctrl.h>

namespace {

// ICC_LISTVIEW, TREEVIEW, BAR, TAB, PROGRESS, HOTKEY, PAGESCROLLER, NATIVEFNTCTL and STANDARD
// classes; ICC_BAR_CLASSES brings the status bar.
constexpr DWORD kControlClasses = 0x706F;

}  // namespace

void InitDialogLayer() {
  INITCOMMONCONTROLSEX classes = {sizeof(classes), kControlClasses};
  InitCommonControlsEx(&classes);
}

void ReleaseDialogLayer() {
  ReleaseAllRecords();
}
