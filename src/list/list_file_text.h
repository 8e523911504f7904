// A list file's bytes turned into the 8-bit text that the program reads, and list file bytes
// turned back into the form of the file they are written over.
#pragma once

#include <string>

#include "list/list_file_form.h"

struct ListFileText {
  ListFileForm form = ListFileForm::kPlain;
  std::string bytes;  // the file's text after its mark, 8-bit in the system code page
  bool exact = true;  // false when some character has no exact form in the code page
};

// Takes the mark off and converts UTF-16 to the system code page, as far as it goes; the
// bytes of the other forms are kept as they are, without a copy.
ListFileText ListFileTextOf(std::string fileBytes);

// The bytes that a file of the form gets for 8-bit list file bytes: its mark, then the bytes
// as they are, or converted to UTF-16.
std::string FileBytesInForm(std::string bytes, ListFileForm form);
