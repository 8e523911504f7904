#include "support/main_list_host.h"

#include "dialog_layer/dialog_layer.h"
#include "list/main_list.h"

namespace {

HWND NewHostDialog() {
  HWND dialog = NewDialog(kPixelMode, nullptr, "Main list host", 10, 10, 310, 350, 0, 0);
  AddControl(kListBox, dialog, kMainListId, "", 0, 0, 300, 300, kMainListStyle, 0);
  return dialog;
}

}  // namespace

MainListHost::MainListHost() : MainListHost(NewHostDialog()) {}

MainListHost::MainListHost(HWND dialog) : dialog_(dialog) {
  AttachMainList(dialog_);
  list_ = gMainList.list;
  deviceContext_ = gMainList.deviceContext;
}

// The program keeps the device context for the whole run; a test program makes many main lists,
// so each gives its own back.
MainListHost::~MainListHost() {
  if (deviceContext_) ReleaseDC(list_, deviceContext_);
  DetachMainList();
  DestroyWindow(dialog_);
}
