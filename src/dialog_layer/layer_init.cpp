// Process-wide set-up and release of the dialog layer.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/fonts.h"
#include "dialog_layer/window_records.h"

#include <commctrl.h>

namespace {

// ICC_BAR_CLASSES brings the status bar; the others are registered as every program of the
// layer always has.
constexpr DWORD kControlClasses = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                                  ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS |
                                  ICC_PAGESCROLLER_CLASS | ICC_NATIVEFNTCTL_CLASS |
                                  ICC_STANDARD_CLASSES;
static_assert(kControlClasses == 0x706F, "the common-control classes the layer registers");

}  // namespace

void InitDialogLayer() {
  INITCOMMONCONTROLSEX classes = {sizeof(classes), kControlClasses};
  InitCommonControlsEx(&classes);
}

void ReleaseDialogLayer() {
  ReleaseAllRecords();
  ReleaseLayerFonts();
}
