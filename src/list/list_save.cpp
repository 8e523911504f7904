// Saving the list text over the list file, and the save sequence of the list editor.
#include <new>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/list_file_access.h"
#include "list/list_file_text.h"
#include "list/list_format.h"
#include "list/list_text.h"
#include "list/normalize.h"
#include "list/website_list.h"

namespace {

constexpr char kSaveOutOfMemoryNotice[] = "There is not enough memory to save the list.";

enum class SaveResult {
  kSaved,
  kNotTextFile,  // refused: the path would overwrite a file that is not a list
  kNeverRead,    // refused: the file's content was never seen, so it would be lost unseen
  kInexact,      // refused: the file holds characters that the list could not show as they are
  kReadOnly,
  kFolder,
  kWriteFailed,  // missing folder, file held open by another program, no room, no permission
};

const char* RefusalReason(SaveResult result) {
  switch (result) {
    case SaveResult::kNotTextFile:
      return "It is not a text file.";
    case SaveResult::kNeverRead:
      return "The file could not be read, so saving would replace content never seen.";
    case SaveResult::kInexact:
      return "It holds characters that this program cannot show, so saving would change them.";
    case SaveResult::kReadOnly:
      return "The file is read-only.";
    case SaveResult::kFolder:
      return "A folder has that name.";
    default:
      return "The file could not be written.";
  }
}

void ShowNotSavedNotice(const std::string& path, SaveResult result) {
  std::string text = "The list was not saved to\n" + path + "\n" + RefusalReason(result);
  ShowNotice(text, MB_ICONERROR | MB_OK, "");
}

SaveResult ResultOfWrite(FileWriteStatus status) {
  switch (status) {
    case FileWriteStatus::kWritten:
      return SaveResult::kSaved;
    case FileWriteStatus::kReadOnly:
      return SaveResult::kReadOnly;
    case FileWriteStatus::kFolder:
      return SaveResult::kFolder;
    default:
      return SaveResult::kWriteFailed;
  }
}

// Why a save over the list file is refused before the disk is touched; kSaved when it is not.
SaveResult RefusalBeforeWriting() {
  if (!HasTextExtension(gWebsiteList.listFilePath)) return SaveResult::kNotTextFile;
  if (gWebsiteList.listFileUnread) return SaveResult::kNeverRead;
  if (gWebsiteList.listFileInexact) return SaveResult::kInexact;
  return SaveResult::kSaved;
}

SaveResult WriteListText() {
  SaveResult refusal = RefusalBeforeWriting();
  if (refusal != SaveResult::kSaved) return refusal;
  // The file keeps its form: a mark it had is written again, and UTF-16 stays UTF-16.
  std::string bytes =
      FileBytesInForm(ListFileBytes(gWebsiteList.listText), gWebsiteList.listFileForm);
  return ResultOfWrite(ReplaceWholeFile(gWebsiteList.listFilePath, bytes));
}

SaveResult SaveAndReport() {
  SaveResult result = WriteListText();
  if (result != SaveResult::kSaved) ShowNotSavedNotice(gWebsiteList.listFilePath, result);
  return result;
}

// A save refused before the disk was touched leaves nothing to reload: the last load found
// no list there (not a text file, or not readable), or one it could not show as it is, and
// loading again would only repeat its notice. Every other outcome reloads, so the main list shows
// what the disk now holds and the website list matches it again after normalising used its arrays.
bool ReloadFollows(SaveResult result) {
  return result != SaveResult::kNotTextFile && result != SaveResult::kNeverRead &&
         result != SaveResult::kInexact;
}

// Takes back what the normalisation changed for the reload that does not follow.
void RestoreSelection(int32_t position, int32_t duplicateTally) {
  gWebsiteList.currentPosition = position;
  gWebsiteList.duplicateTally = duplicateTally;
}

}  // namespace

bool ListFileChangedSinceLoad() {
  // A save that will be refused anyway has nothing to ask about.
  if (RefusalBeforeWriting() != SaveResult::kSaved) return false;
  const FileStamp& loaded = gWebsiteList.loadedFile;
  return !IsUnchangedSince(loaded, CurrentFileStamp(gWebsiteList.listFilePath, loaded.size));
}

bool SaveListText() {
  return SaveAndReport() == SaveResult::kSaved;
}

bool SaveEditedText(const std::string& editedText, int32_t lineToSelect) {
  const int32_t previousPosition = gWebsiteList.currentPosition;
  const int32_t previousTally = gWebsiteList.duplicateTally;
  SaveResult result = SaveResult::kWriteFailed;
  try {
    gWebsiteList.listText = editedText;
    gWebsiteList.currentPosition = lineToSelect;
    NormalizeListText();
    result = SaveAndReport();
  } catch (const std::bad_alloc&) {
    // Nothing has been written: the file and the main list are as they were.
    gWebsiteList.listText = std::string();
    RestoreSelection(previousPosition, previousTally);
    ShowNotice(kSaveOutOfMemoryNotice, MB_ICONERROR | MB_OK, "");
    return false;
  }
  if (ReloadFollows(result)) {
    LoadListFile();
  } else {
    // The main list still shows what it showed, with the selection the user made.
    RestoreSelection(previousPosition, previousTally);
  }
  return result == SaveResult::kSaved;
}
