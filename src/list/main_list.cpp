#include "list/main_list.h"

#include "dialog_layer/dialog_layer.h"

MainListHandles gMainList;

void AttachMainList(HWND dialog) {
  gMainList.dialog = dialog;
  gMainList.list = ControlHandle(dialog, kMainListId);
  gMainList.deviceContext = GetDC(gMainList.list);
}

void DetachMainList() {
  gMainList = MainListHandles();
}
