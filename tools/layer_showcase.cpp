// A dialog with every control kind the program uses, for a picture of the layer's output.
// Usage: layer_showcase.exe <folder> (see picture_script.h).
#include "dialog_layer/dialog_layer.h"
#include "picture_script.h"

namespace {

constexpr char kCaption[] = "Quillet - dialog layer";

void FillList(HWND dialog) {
  const char* const names[] = {"Wikipedia", "example.org", "Caf\xE9 du Monde", "Debian", "Wine HQ"};
  for (const char* name : names) ListSetItemData(dialog, 101, ListAddItem(dialog, 101, name), 1);
  ListSelect(dialog, 101, 2);
}

int32_t ShowcaseCallback(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return 0;
  FillList(dialog);
  FocusControl(dialog, 101);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  InitDialogLayerThread();
  InitDialogLayer();
  HWND dialog = NewDialog(kPixelMode, nullptr, kCaption, 2, 2, 310, 350,
                          WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME, 0);
  AddControl(kListBox, dialog, 101, "", 5, 10, 300, 180,
             WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_SORT | LBS_DISABLENOSCROLL, 0);
  AddControl(kTextBox, dialog, 102, "A text box", 5, 200, 300, 60, 0, 0);
  AddControl(kPushButton, dialog, 201, "ShowIt", 5, 290, 95, 30, 0, 0);
  AddControl(kPushButton, dialog, 202, "Another List", 110, 290, 95, 30, 0, 0);
  AddControl(kPushButton, dialog, 203, "Change List", 210, 290, 95, 30, 0, 0);
  AddControl(kLabel, dialog, 205, "A label on its own colours", 5, 266, 200, 16, 0, 0);
  SetColors(dialog, 205, RGB(0, 0, 160), RGB(255, 255, 200));
  AddControl(kLabel, dialog, 206, " F1-Help", 2, 335, 45, 16, SS_NOTIFY, 0);
  AddControl(kStatusBar, dialog, 204, "", 0, 0, 0, 0, 0, 0);
  SetStatusParts(dialog, 204, {200, 9999});
  SetStatusText(dialog, 204, 1, 0, " F1-Help");
  SetStatusText(dialog, 204, 2, 0, "Website: 2 of 5");
  StartPictureScript(argv[1], kCaption, 0);
  int32_t result = -1;
  ShowModal(dialog, ShowcaseCallback, &result);
  ReleaseDialogLayer();
  ReleaseDialogLayerThread();
  return FinishPictureScript();
}
