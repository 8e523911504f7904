// Reading the entries out of a list file's text. Portable: no platform calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "list/entry_store.h"
#include "list/list_file_form.h"

// Replaces the store's entries with every entry line of the text's readable part, in file
// order, split into its trimmed URL and name. The fields are moved together inside the text's
// own bytes, which then become the store's text: a load keeps no second copy of the file.
// Returns the number of entries. When entryLines is given, it gets for each entry the number
// of the line it came from (from 0, every line counted). Throws std::bad_alloc when they do not
// fit in memory.
int32_t ParseListText(std::string text, LineEnds lineEnds, EntryStore& store,
                      std::vector<uint32_t>* entryLines = nullptr);
