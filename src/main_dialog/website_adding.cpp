// Adding one website: its line goes at the end of the list file as it is on disk now.
#include <new>
#include <string>

#include "dialog_layer/dialog_layer.h"
#include "list/code_page_text.h"
#include "list/list_file.h"
#include "list/list_file_access.h"
#include "list/list_file_model.h"
#include "list/list_file_write.h"
#include "list/main_list.h"
#include "list/same_website.h"
#include "list/website_list.h"
#include "main_dialog/find_field.h"
#include "main_dialog/list_changes.h"
#include "main_dialog/main_dialog.h"

namespace {

constexpr char kAddOutOfMemoryNotice[] = "There is not enough memory to add the website.";
constexpr UINT kErrorStyle = MB_ICONERROR | MB_OK;
// No, adding nothing, is the default button.
constexpr UINT kAddAnywayStyle = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;

void TellNotAdded(const std::string& path, ListWrite reason) {
  ShowNotice(NotAddedText(path, ListWriteReason(reason)), kErrorStyle, "");
}

void TellAlreadyInList(HWND dialog, int32_t entry, const NewWebsite& website) {
  SelectEntryItem(dialog, entry);
  ShowNotice(AlreadyInListText(website.url), MB_ICONINFORMATION | MB_OK, "");
}

// The reload after the change selects the entry it names and shows its position.
void ReloadSelecting(HWND dialog, ListSelection selection) {
  if (LoadListFile(selection) == LoadOutcome::kLoaded) ShowCounter(dialog);
}

// One try at the file as it is now. False when the user is to be asked whether the list may
// become UTF-8 first.
bool TryAdding(HWND dialog, const std::string& path, const NewWebsite& website, bool asUtf8) {
  FileRead now = ReadWholeFile(path);
  if (now.status == FileReadStatus::kUnreadable) {
    TellNotAdded(path, ListWrite::kNeverRead);
    return true;
  }
  ListFile onDisk = ReadListFile(now.bytes, SystemCodePage());
  if (!onDisk.exact) {
    TellNotAdded(path, ListWrite::kInexact);
    return true;
  }
  // Another program may have added it since the list was loaded.
  int32_t existing = EntryOfSameWebsite(onDisk.entries, onDisk.entryCount, website.url);
  if (existing > 0) {
    ReloadSelecting(dialog, {ListSelection::kEntry, existing});
    ShowNotice(AlreadyInListText(website.url), MB_ICONINFORMATION | MB_OK, "");
    return true;
  }
  TextEncoding encoding =
      asUtf8 ? TextEncoding::kUtf8Marked : EncodingOfAddedLines(now.bytes, onDisk.form.encoding);
  ChangedListFile changed =
      BytesWithLinesAdded(now.bytes, ListLineOf(website) + "\n", encoding, SystemCodePage());
  if (changed.outcome == ListChange::kDoesNotFit && !asUtf8) return false;
  ListWrite written = WriteChangedListFile(changed);
  if (written != ListWrite::kWritten) {
    TellNotAdded(path, written);
    return true;
  }
  // The new line is the file's last entry line.
  ReloadSelecting(dialog, {ListSelection::kEntry, onDisk.entryCount + 1});
  return true;
}

void AddToListFile(HWND dialog, const NewWebsite& website) {
  const std::string path = gWebsiteList.listFilePath;
  if (TryAdding(dialog, path, website, false)) return;
  // Nothing the user adds is ever written as a stand-in: UTF-8 holds it all.
  int answer = ShowNotice(AddAsUtf8Question(path), kAddAnywayStyle, "");
  // The question runs a message loop, in which the user may have chosen another list.
  if (answer != IDYES || gWebsiteList.listFilePath != path) return;
  TryAdding(dialog, path, website, true);
}

}  // namespace

void SelectEntryItem(HWND dialog, int32_t entry) {
  for (int32_t position = 1; position <= gWebsiteList.file.entryCount; ++position) {
    if (ListGetItemData(dialog, kMainListId, position) != entry) continue;
    ListSelect(dialog, kMainListId, position);
    gWebsiteList.currentPosition = position;
    ShowCounter(dialog);
    return;
  }
}

void AddWebsite(HWND dialog, const NewWebsite& website) {
  CloseFind(dialog);  // the website added, or the one already there, is shown in the whole list
  int32_t existing =
      EntryOfSameWebsite(gWebsiteList.file.entries, gWebsiteList.file.entryCount, website.url);
  if (existing > 0) {
    TellAlreadyInList(dialog, existing, website);
    return;
  }
  ListWrite refusal = RefusalBeforeWriting();
  if (refusal != ListWrite::kWritten) {
    TellNotAdded(gWebsiteList.listFilePath, refusal);
    return;
  }
  try {
    AddToListFile(dialog, website);
  } catch (const std::bad_alloc&) {
    ShowNotice(kAddOutOfMemoryNotice, kErrorStyle, "");
  }
}

void PasteWebsite(HWND dialog) {
  std::optional<NewWebsite> website = WebsiteOfPastedText(ClipboardText(dialog));
  if (!website) {
    ShowNotice(kNothingToPasteNotice, MB_ICONINFORMATION | MB_OK, "");
    return;
  }
  AddWebsite(dialog, *website);
}

void AddDroppedLink(HWND dialog, const DroppedLink& link) {
  std::optional<NewWebsite> website = WebsiteOfLink(link.url, link.title);
  if (!website) {
    ShowNotice(NotWebAddressDropText(link.url), MB_ICONINFORMATION | MB_OK, "");
    return;
  }
  AddWebsite(dialog, *website);
}
