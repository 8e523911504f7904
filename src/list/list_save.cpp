// Saving the list text over the list file, and the save sequence of the list editor: the text,
// normalised, becomes the bytes of the file's form, which replace the file; then it is loaded
// again.
#include <new>
#include <utility>

#include "dialog_layer/dialog_layer.h"
#include "list/code_page_text.h"
#include "list/list_file.h"
#include "list/list_file_access.h"
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
  kDoesNotFit,   // refused: the text has characters that the file's code page cannot hold
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
    case SaveResult::kDoesNotFit:
      return "The list holds characters that the file's code page cannot hold.";
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

// The form the save writes: the file's own, or UTF-8 with a mark when asked for.
ListFileForm FormToWrite(SaveEncoding encoding) {
  ListFileForm form = gWebsiteList.listFileForm;
  if (encoding == SaveEncoding::kUtf8Marked) form.encoding = TextEncoding::kUtf8Marked;
  return form;
}

SaveResult WriteListText(SaveEncoding encoding) {
  SaveResult refusal = RefusalBeforeWriting();
  if (refusal != SaveResult::kSaved) return refusal;
  // The file keeps its form: its encoding (with its mark) and its line ends.
  ListFileForm form = FormToWrite(encoding);
  std::string text = WithLineEnds(ListFileBytes(gWebsiteList.listText), form.lineEnds);
  std::string bytes;
  // Never written with stand-ins for characters: that would lose what the user typed.
  if (!EncodeListFile(std::move(text), form, SystemCodePage(), bytes))
    return SaveResult::kDoesNotFit;
  return ResultOfWrite(ReplaceWholeFile(gWebsiteList.listFilePath, bytes));
}

SaveResult SaveAndReport(SaveEncoding encoding) {
  SaveResult result = WriteListText(encoding);
  if (result != SaveResult::kSaved) ShowNotSavedNotice(gWebsiteList.listFilePath, result);
  return result;
}

// A save refused before the disk was touched leaves nothing to reload: the last load found
// no list there (not a text file, or not readable), or one it could not show as it is, and
// loading again would only repeat its notice. Every other outcome reloads, so the main list shows
// what the disk now holds and the website list matches it again after normalising used its arrays.
bool ReloadFollows(SaveResult result) {
  return result != SaveResult::kNotTextFile && result != SaveResult::kNeverRead &&
         result != SaveResult::kInexact && result != SaveResult::kDoesNotFit;
}

// Takes back what the normalisation changed for the reload that does not follow.
void RestoreSelection(int32_t position, int32_t duplicateTally) {
  gWebsiteList.currentPosition = position;
  gWebsiteList.duplicateTally = duplicateTally;
}

}  // namespace

void NormalizeListText() {
  NormalizedText normalized = NormalizeText(gWebsiteList.listText);
  gWebsiteList.listText = std::move(normalized.text);
  gWebsiteList.duplicateTally = normalized.duplicateTally;
  if (normalized.duplicateTally == 1) gWebsiteList.currentPosition = normalized.firstDuplicatePiece;
  if (normalized.duplicateTally > 1) gWebsiteList.currentPosition = 1;
}

int32_t FirstLineListFileCannotHold(std::string_view text) {
  return FirstPieceNotFitting(text, gWebsiteList.listFileForm.encoding, SystemCodePage());
}

bool ListFileChangedSinceLoad() {
  // A save that will be refused anyway has nothing to ask about.
  if (RefusalBeforeWriting() != SaveResult::kSaved) return false;
  const FileStamp& loaded = gWebsiteList.loadedFile;
  return !IsUnchangedSince(loaded, CurrentFileStamp(gWebsiteList.listFilePath, loaded.size));
}

bool SaveListText() {
  return SaveAndReport(SaveEncoding::kAsLoaded) == SaveResult::kSaved;
}

bool SaveEditedText(const std::string& editedText, int32_t lineToSelect, SaveEncoding encoding) {
  const int32_t previousPosition = gWebsiteList.currentPosition;
  const int32_t previousTally = gWebsiteList.duplicateTally;
  SaveResult result = SaveResult::kWriteFailed;
  try {
    gWebsiteList.listText = editedText;
    gWebsiteList.currentPosition = lineToSelect;
    NormalizeListText();
    result = SaveAndReport(encoding);
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
