// Adding websites to a list file without touching what it holds. Portable: the code page's
// conversion is handed in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bookmarks/import_rules.h"
#include "list/list_file_form.h"

struct MergedList {
  // False when the list's text is not exactly its bytes (see DecodeListFile): Quillet would
  // not save over it, so nothing may be added either, and bytes is empty.
  bool exact = true;
  std::string bytes;  // the whole new file
  int32_t added = 0;
  int32_t alreadyInList = 0;  // in the list before, or earlier among the websites
  int32_t unfit = 0;          // names or URLs that the list's code page cannot hold
};

// The bytes of the list file with the websites that it lacks added, in their order. Every
// byte of the file stays as it was; the new lines follow its last line, each ended as the
// file's lines are (CR LF, or LF), in the file's encoding, after a line end of their own when
// the last line had none, and before the end-of-file mark (Ctrl-Z) when the file has one, so
// that they are read. A website whose URL is that of an entry, the same bytes, is not added.
// A list in the code page that holds nothing beyond ASCII (an empty or missing one too) takes
// the new lines as UTF-8, which holds every character, and is read as UTF-8 from then on;
// a list in the code page that holds other characters keeps it, and a website it cannot
// hold is left out and counted as unfit, never written with stand-ins.
MergedList MergeWebsites(const std::string& listBytes, const std::vector<Website>& websites,
                         const CodePageConversion& codePage);
