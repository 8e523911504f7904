// What a load takes out of a list file's bytes: the file's form, whether its text is exact, and
// its entries. The middle of the load, between reading the file and showing the list; it takes
// values and gives a value. Portable: the code page's conversion is handed in.
#pragma once

#include <cstdint>
#include <string>

#include "list/entry_store.h"
#include "list/list_file_form.h"

struct LoadedList {
  ListFileForm form;
  // False when the text shown is not the file's exactly: saving over the file would change it.
  bool exact = true;
  EntryStore entries;
  int32_t entryCount = 0;
  // NUL characters in the file's text (a 00 byte, or U+0000 in UTF-16). No text that the
  // platform shows or edits can hold one, so each became a blank: a blank fits every form of
  // list file, so saving the list changes no other byte.
  int32_t nulCharacters = 0;
};

// Decides the form of the file's bytes, decodes them into the program's text, turns NUL
// characters into blanks and parses the entries out of it. Throws std::bad_alloc when the list does
// not fit in memory.
LoadedList LoadedListOf(std::string fileBytes, const CodePageConversion& codePage);
