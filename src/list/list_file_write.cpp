#include "list/list_file_write.h"

#include "list/list_file_access.h"
#include "list/list_format.h"
#include "list/website_list.h"

namespace {

ListWrite ResultOfWrite(FileWriteStatus status) {
  switch (status) {
    case FileWriteStatus::kWritten:
      return ListWrite::kWritten;
    case FileWriteStatus::kReadOnly:
      return ListWrite::kReadOnly;
    case FileWriteStatus::kFolder:
      return ListWrite::kFolder;
    default:
      return ListWrite::kFailed;
  }
}

ListWrite RefusalOfChange(ListChange change) {
  switch (change) {
    case ListChange::kInexact:
      return ListWrite::kInexact;
    case ListChange::kDoesNotFit:
      return ListWrite::kDoesNotFit;
    case ListChange::kChangesOtherLines:
      return ListWrite::kChangesOtherLines;
    case ListChange::kNoSuchLine:
      return ListWrite::kFailed;
    default:
      return ListWrite::kWritten;
  }
}

}  // namespace

ListWrite RefusalBeforeWriting() {
  if (!HasTextExtension(gWebsiteList.listFilePath)) return ListWrite::kNotTextFile;
  if (gWebsiteList.listFileUnread) return ListWrite::kNeverRead;
  if (!gWebsiteList.file.exact) return ListWrite::kInexact;
  return ListWrite::kWritten;
}

ListWrite WriteChangedListFile(const ChangedListFile& changed) {
  if (changed.outcome != ListChange::kChanged) return RefusalOfChange(changed.outcome);
  return ResultOfWrite(ReplaceWholeFile(gWebsiteList.listFilePath, changed.bytes));
}

const char* ListWriteReason(ListWrite result) {
  switch (result) {
    case ListWrite::kNotTextFile:
      return "It is not a text file.";
    case ListWrite::kNeverRead:
      return "The file could not be read, so saving would replace content never seen.";
    case ListWrite::kInexact:
      return "It holds characters that this program cannot show, so saving would change them.";
    case ListWrite::kDoesNotFit:
      return "The list holds characters that the file's code page cannot hold.";
    case ListWrite::kChangesOtherLines:
      return "Without that line, other lines of the file would read differently; remove it with "
             "\"Change List\" instead.";
    case ListWrite::kReadOnly:
      return "The file is read-only.";
    case ListWrite::kFolder:
      return "A folder has that name.";
    default:
      return "The file could not be written.";
  }
}
