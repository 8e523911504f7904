// The commands of the main dialog: open the selected website, choose another list, edit the
// list, show the help text.
#include "main_dialog/main_dialog.h"

#include <new>

#include "dialog_layer/dialog_layer.h"
#include "dialogs/list_editor.h"
#include "dialogs/sized_message_box.h"
#include "list/data_folder.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_dialog/find_field.h"
#include "main_dialog/list_loading.h"
#include "main_dialog/main_dialog_text.h"
#include "main_dialog/open_website.h"

namespace {

constexpr DWORD kOpenFileFlags = OFN_LONGNAMES | OFN_HIDEREADONLY;
static_assert(kOpenFileFlags == 0x00200004, "the open-file dialog's flags");

constexpr int kEditorX = 50;
constexpr int kEditorY = 50;
constexpr int kEditorWidth = 300;
constexpr int kEditorHeight = 280;

// Shown instead of the editor when the list is too big to be turned into text, or for the
// editor to hold.
constexpr char kEditOutOfMemoryNotice[] = "There is not enough memory to edit the list.";

constexpr int32_t kHelpBoxStyle = -64;  // modal, information icon, "&Ok" alone
constexpr int kHelpBoxX = 200;
constexpr int kHelpBoxY = 100;

bool IsEntryNumber(int32_t number) {
  return number >= 1 && number <= gWebsiteList.file.entryCount &&
         number <= StoredEntries(gWebsiteList.file.entries);
}

}  // namespace

std::optional<std::string_view> SelectedEntryUrl(HWND dialog) {
  if (!IsEntryNumber(gWebsiteList.currentPosition)) return std::nullopt;
  int32_t entry = ListGetItemData(dialog, kMainListId, gWebsiteList.currentPosition);
  if (!IsEntryNumber(entry)) return std::nullopt;
  return EntryUrl(gWebsiteList, entry);
}

void OpenSelectedEntry(HWND dialog) {
  std::optional<std::string_view> url = SelectedEntryUrl(dialog);
  if (!url) return;
  std::optional<std::string> launchText = LaunchText(*url);
  if (!launchText) {
    ShowNotice(NotWebAddressText(*url), MB_ICONWARNING, kNotWebAddressCaption);
    return;
  }
  OpenInBrowser(*launchText);
}

void ChooseAnotherList(HWND dialog) {
  OpenFileChoice choice = ChooseOpenFile(
      dialog, kDefaultPlacement, kDefaultPlacement, "Open File", gDataFolder,
      {{"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}}, "", "txt", kOpenFileFlags);
  if (choice.path.empty()) return;
  CloseFind(dialog);  // the whole list first: a refused file leaves the main list as it is
  gWebsiteList.listFilePath = choice.path;
  if (!LoadListAndReport(dialog)) return;
  gWebsiteList.currentPosition = 1;
  ListSelect(dialog, kMainListId, 1);
  ShowCounter(dialog);
  FocusControl(dialog, kMainListId);
}

void EditList(HWND dialog) {
  CloseFind(dialog);  // every website is edited, never only the matches
  std::string text;
  try {
    text = ListToText();
  } catch (const std::bad_alloc&) {
    ShowNotice(kEditOutOfMemoryNotice, MB_ICONERROR | MB_OK, "");
    return;
  }
  if (!ShowListEditor(dialog, kEditorX, kEditorY, kEditorWidth, kEditorHeight, text)) {
    ShowNotice(kEditOutOfMemoryNotice, MB_ICONERROR | MB_OK, "");
  }
}

void ShowHelp() {
  std::string text = HelpText(ToUtf8(ProgramFolder()), gWebsiteList.listFilePath);
  SizedMessageBox(text, kHelpBoxStyle, "Program Help", 0, kHelpBoxX, kHelpBoxY);
}
