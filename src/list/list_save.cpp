// Saving list text over the list file, and the save sequence of the list editor: the text,
// normalised, becomes the bytes of the file's form, which replace the file; then it is loaded
// again, with the entry to select handed to the load.
#include <new>
#include <utility>

#include "dialog_layer/dialog_layer.h"
#include "list/code_page_text.h"
#include "list/list_file.h"
#include "list/list_file_access.h"
#include "list/list_file_model.h"
#include "list/list_file_write.h"
#include "list/list_text.h"
#include "list/normalize.h"
#include "list/website_list.h"

namespace {

constexpr char kSaveOutOfMemoryNotice[] = "There is not enough memory to save the list.";

void ShowNotSavedNotice(const std::string& path, ListWrite result) {
  std::string text = "The list was not saved to\n" + path + "\n" + ListWriteReason(result);
  ShowNotice(text, MB_ICONERROR | MB_OK, "");
}

// The form the save writes: the file's own, or UTF-8 with a mark when asked for.
ListFileForm FormToWrite(SaveEncoding encoding) {
  ListFileForm form = gWebsiteList.file.form;
  if (encoding == SaveEncoding::kUtf8Marked) form.encoding = TextEncoding::kUtf8Marked;
  return form;
}

ListWrite WriteListText(const std::string& listText, SaveEncoding encoding) {
  ListWrite refusal = RefusalBeforeWriting();
  if (refusal != ListWrite::kWritten) return refusal;
  // The file keeps its form: its encoding (with its mark) and its line ends.
  return WriteChangedListFile(BytesOfListText(listText, FormToWrite(encoding), SystemCodePage()));
}

ListWrite SaveAndReport(const std::string& listText, SaveEncoding encoding) {
  ListWrite result = WriteListText(listText, encoding);
  if (result != ListWrite::kWritten) ShowNotSavedNotice(gWebsiteList.listFilePath, result);
  return result;
}

// A save refused before the disk was touched leaves nothing to reload: the last load found
// no list there (not a text file, or not readable), or one it could not show as it is, and
// loading again would only repeat its notice. Every other outcome reloads, so the main list shows
// what the disk now holds.
bool ReloadFollows(ListWrite result) {
  return result != ListWrite::kNotTextFile && result != ListWrite::kNeverRead &&
         result != ListWrite::kInexact && result != ListWrite::kDoesNotFit;
}

}  // namespace

ListSelection SelectionAfterSave(int32_t duplicateTally, int32_t firstDuplicatePiece,
                                 int32_t lineToSelect) {
  if (duplicateTally == 0) return {ListSelection::kEntry, lineToSelect};
  if (duplicateTally == 1) return {ListSelection::kPosition, firstDuplicatePiece};
  return {ListSelection::kPosition, 1};
}

int32_t FirstLineListFileCannotHold(std::string_view text) {
  return FirstPieceNotFitting(text, gWebsiteList.file.form.encoding, SystemCodePage());
}

bool ListFileChangedSinceLoad() {
  // A save that will be refused anyway has nothing to ask about.
  if (RefusalBeforeWriting() != ListWrite::kWritten) return false;
  const FileStamp& loaded = gWebsiteList.loadedFile;
  return !IsUnchangedSince(loaded, CurrentFileStamp(gWebsiteList.listFilePath, loaded.size));
}

bool SaveListText(const std::string& listText) {
  return SaveAndReport(listText, SaveEncoding::kAsLoaded) == ListWrite::kWritten;
}

bool SaveEditedText(const std::string& editedText, int32_t lineToSelect, SaveEncoding encoding) {
  ListWrite result = ListWrite::kFailed;
  ListSelection selection;
  try {
    NormalizedText normalized = NormalizeText(editedText);
    selection =
        SelectionAfterSave(normalized.duplicateTally, normalized.firstDuplicatePiece, lineToSelect);
    result = SaveAndReport(normalized.text, encoding);
  } catch (const std::bad_alloc&) {
    // Nothing has been written: the file and the main list are as they were.
    ShowNotice(kSaveOutOfMemoryNotice, MB_ICONERROR | MB_OK, "");
    return false;
  }
  // Otherwise the main list still shows what it showed, with the selection the user made.
  if (ReloadFollows(result)) LoadListFile(selection);
  return result == ListWrite::kWritten;
}
