// Shows the sized message box with the help text, or the list editor with a marked line, for
// a screenshot: writes <folder>\ready once the dialog is open and ends it when <folder>\done
// appears. Usage: dialogs_preview.exe help|editor <folder>
#include <string>

#include "dialog_layer/dialog_layer.h"
#include "dialogs/list_editor.h"
#include "dialogs/sized_message_box.h"
#include "list/main_list.h"
#include "main_dialog/main_dialog_text.h"
#include "ui_script.h"

namespace {

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Touch(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
}

void StartPreviewScript(const std::string& folder, std::function<bool()> open,
                        std::function<void()> end) {
  StartScript({{"open", open, [folder] { Touch(folder + "\\ready"); }},
               {"shot taken", [folder] { return FileExists(folder + "\\done"); }, end}});
}

void PreviewHelp(const std::string& folder) {
  StartPreviewScript(
      folder, [] { return FindThreadWindow("Program Help") != nullptr; },
      [] { PressButton(FindThreadWindow("Program Help"), 9994); });
  SizedMessageBox(HelpText("C:\\Quillet\\", "C:\\Quillet\\myQuillet.txt"), -64, "Program Help", 0,
                  200, 100);
}

void PreviewEditor(const std::string& folder) {
  HWND main = NewDialog(kPixelMode, nullptr, "Quillet - ver 1.02", 20, 20, 310, 350, 0, 0);
  AddControl(kListBox, main, kMainListId, "", 0, 0, 310, 300, 0x00311002, 0);
  gMainList.dialog = main;
  std::string text;
  for (int i = 1; i <= 30; ++i) {
    std::string name = "Site " + std::to_string(100 + i).substr(1);
    ListAddItem(main, kMainListId, name);
    text += "http://www.site" + std::to_string(i) + ".example, " + name + "\r\n";
  }
  ListSelect(main, kMainListId, 5);
  ShowModeless(main, nullptr);
  StartPreviewScript(
      folder, [] { return gListEditor.dialog != nullptr; },
      [] { DismissDialog(gListEditor.dialog, 0); });
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
  return FinishScript().empty() ? 0 : 1;
}
