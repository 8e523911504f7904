// Removing the selected website: the line it came from goes from the list file, nothing else.
#include <new>
#include <string>

#include "dialog_layer/dialog_layer.h"
#include "list/code_page_text.h"
#include "list/list_file.h"
#include "list/list_file_access.h"
#include "list/list_file_model.h"
#include "list/list_file_write.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_dialog/find_field.h"
#include "main_dialog/list_changes.h"
#include "main_dialog/main_dialog.h"

namespace {

constexpr char kRemoveOutOfMemoryNotice[] = "There is not enough memory to remove the website.";
constexpr UINT kErrorStyle = MB_ICONERROR | MB_OK;
// No, keeping the website, is the default button.
constexpr UINT kRemoveQuestionStyle = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
constexpr UINT kRemoveAnywayStyle = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;

// The website as the user saw it when asked.
struct ChosenWebsite {
  std::string path;
  int32_t position = 0;
  int32_t entry = 0;
  std::string url;
  std::string name;
};

bool IsEntry(const EntryStore& entries, int32_t entryCount, int32_t entry) {
  return entry >= 1 && entry <= entryCount && entry <= StoredEntries(entries);
}

bool IsSameEntry(const EntryStore& entries, int32_t entry, const ChosenWebsite& chosen) {
  return EntryUrl(entries, entry) == chosen.url && EntryName(entries, entry) == chosen.name;
}

// The chosen website in the file as it is now: the entry of the same number when it is still
// that website, else the first that is.
int32_t EntryOnDisk(const ListFile& onDisk, const ChosenWebsite& chosen) {
  if (IsEntry(onDisk.entries, onDisk.entryCount, chosen.entry) &&
      IsSameEntry(onDisk.entries, chosen.entry, chosen)) {
    return chosen.entry;
  }
  for (int32_t entry = 1; entry <= onDisk.entryCount; ++entry) {
    if (IsSameEntry(onDisk.entries, entry, chosen)) return entry;
  }
  return 0;
}

void TellNotRemoved(const std::string& path, const std::string& reason) {
  ShowNotice(NotRemovedText(path, reason), kErrorStyle, "");
}

// Whether the list shown is still the one the user was asked about: the questions run message
// loops, in which another list may have been loaded or the list reloaded.
bool StillShown(const ChosenWebsite& chosen) {
  const WebsiteList& list = gWebsiteList;
  return list.listFilePath == chosen.path &&
         IsEntry(list.file.entries, list.file.entryCount, chosen.entry) &&
         IsSameEntry(list.file.entries, chosen.entry, chosen);
}

bool AgreesToRemove(const ChosenWebsite& chosen) {
  int answer = ShowNotice(RemoveQuestion(chosen.url, chosen.name), kRemoveQuestionStyle, "");
  if (answer != IDYES || !StillShown(chosen)) return false;
  ListWrite refusal = RefusalBeforeWriting();
  if (refusal != ListWrite::kWritten) {
    TellNotRemoved(chosen.path, ListWriteReason(refusal));
    return false;
  }
  if (!ListFileChangedSinceLoad()) return true;
  answer = ShowNotice(RemoveFromChangedFileQuestion(chosen.path), kRemoveAnywayStyle, "");
  return answer == IDYES && StillShown(chosen);
}

void RemoveFromListFile(HWND dialog, const ChosenWebsite& chosen) {
  FileRead now = ReadWholeFile(chosen.path);
  if (now.status == FileReadStatus::kUnreadable) {
    TellNotRemoved(chosen.path, ListWriteReason(ListWrite::kNeverRead));
    return;
  }
  ListFile onDisk = ReadListFile(now.bytes, SystemCodePage());
  if (!onDisk.exact) {
    TellNotRemoved(chosen.path, ListWriteReason(ListWrite::kInexact));
    return;
  }
  int32_t entry = EntryOnDisk(onDisk, chosen);
  if (entry == 0) {
    TellNotRemoved(chosen.path, kNoLongerInFileReason);
    if (LoadListFile({ListSelection::kPosition, chosen.position}) == LoadOutcome::kLoaded)
      ShowCounter(dialog);
    return;
  }
  uint32_t line = onDisk.entryLines[static_cast<size_t>(entry - 1)];
  ChangedListFile changed = BytesWithLineRemoved(now.bytes, line, SystemCodePage());
  ListWrite written = WriteChangedListFile(changed);
  if (written != ListWrite::kWritten) {
    TellNotRemoved(chosen.path, ListWriteReason(written));
    return;
  }
  // The next website takes the removed one's position; the last one's, the one before it.
  if (LoadListFile({ListSelection::kPosition, chosen.position}) == LoadOutcome::kLoaded)
    ShowCounter(dialog);
}

}  // namespace

void RemoveSelectedWebsite(HWND dialog) {
  const WebsiteList& list = gWebsiteList;
  ChosenWebsite chosen;
  chosen.path = list.listFilePath;
  chosen.position = list.currentPosition;
  if (chosen.position < 1 || chosen.position > list.file.entryCount) return;
  chosen.entry = ListGetItemData(dialog, kMainListId, chosen.position);
  if (!IsEntry(list.file.entries, list.file.entryCount, chosen.entry)) return;
  chosen.url = EntryUrl(list, chosen.entry);
  chosen.name = EntryName(list, chosen.entry);
  try {
    if (!AgreesToRemove(chosen)) return;
    // While finding, the whole list comes back first, the website still selected: the reload
    // shows the whole list, and the next website takes the removed one's place in it.
    if (IsFinding()) {
      CloseFind(dialog);
      chosen.position = gWebsiteList.currentPosition;
    }
    RemoveFromListFile(dialog, chosen);
  } catch (const std::bad_alloc&) {
    ShowNotice(kRemoveOutOfMemoryNotice, kErrorStyle, "");
  }
}
