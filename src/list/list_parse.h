// Reading the entries out of a list file's bytes. Portable: no platform calls.
#pragma once

#include <cstdint>
#include <string>

#include "list/website_list.h"

// Replaces the store's entries with every entry line of the file's readable bytes, in file
// order, split into its trimmed URL and name. The fields are moved together inside the file's
// own bytes, which then become the store's text: a load keeps no second copy of the file.
// Returns the number of entries. Throws std::bad_alloc when they do not fit in memory.
int32_t ParseListBytes(std::string fileBytes, EntryStore& store);
