// Shows the sized message box with the help text, or the list editor with a marked line, for a
// picture. Usage: dialogs_preview.exe help|editor <folder> (see picture_script.h).
#include <string>

#include "dialog_layer/dialog_layer.h"
#include "dialogs/list_editor.h"
#include "dialogs/sized_message_box.h"
#include "list/main_list.h"
#include "main_dialog/main_dialog_text.h"
#include "picture_script.h"

namespace {

void PreviewHelp(const std::string& folder) {
  StartPictureScript(folder, "Program Help", 9994);
  SizedMessageBox(HelpText("C:\\Quillet\\", "C:\\Quillet\\myQuillet.txt"), -64, "Program Help", 0,
                  200, 100);
}

void PreviewEditor(const std::string& folder) {
  HWND main = NewDialog(kPixelMode, nullptr, MainDialogCaption(), 20, 20, 310, 350, 0, 0);
  AddControl(kListBox, main, kMainListId, "", 0, 0, 310, 300, kMainListStyle, 0);
  AttachMainList(main);
  std::string text;
  for (int i = 1; i <= 30; ++i) {
    std::string name = "Site " + std::to_string(100 + i).substr(1);
    ListAddItem(main, kMainListId, name);
    text += "http://www.site" + std::to_string(i) + ".example, " + name + "\r\n";
  }
  ListSelect(main, kMainListId, 5);
  ShowModeless(main, nullptr);
  StartPictureScript(folder, "Add or change websites", 0);
  ShowListEditor(main, 50, 50, 300, 280, text);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  InitDialogLayer();
  InitDialogLayerThread();
  std::string what = argv[1];
  if (what == "help") PreviewHelp(argv[2]);
  if (what == "editor") PreviewEditor(argv[2]);
  return FinishPictureScript();
}
