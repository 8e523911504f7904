// Writing a whole new list file over the current one, as the editor's save, adding and removing
// a website all do: the same refusals before the disk is touched, the same safe replace (the
// new file written beside, then moved over), and the same reasons told to the user.
#pragma once

#include <string_view>

#include "list/list_file_model.h"

enum class ListWrite {
  kWritten,
  kNotTextFile,  // refused: the path would overwrite a file that is not a list
  kNeverRead,    // refused: the file's content was never seen, so it would be lost unseen
  kInexact,      // refused: the file holds characters that the list could not show as they are
  kDoesNotFit,   // refused: the text has characters that the file's code page cannot hold
  kChangesOtherLines,  // refused: without the line, the rest of the file would read otherwise
  kReadOnly,
  kFolder,
  kFailed,  // missing folder, file held open by another program, no room, no permission
};

// Why writing over the current list file is refused before the disk is touched, from what the
// latest load found; kWritten when it is not.
ListWrite RefusalBeforeWriting();

// Replaces the current list file by the changed file's bytes: the whole new file beside it,
// then moved over. A change that gave no bytes is refused with its reason, and nothing written.
ListWrite WriteChangedListFile(const ChangedListFile& changed);

// The reason given to the user for a write that did not happen, one sentence.
const char* ListWriteReason(ListWrite result);
