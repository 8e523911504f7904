// One model of a list file, shared by everything that reads or writes one: the load, the
// editor's save, adding and removing a website, and the bookmarks tool's merge. A file's bytes
// are read into a value (its form, its entries, and for each entry the line it came from); a
// change gives the whole new file's bytes, or why there are none. Portable: the code page's
// conversion is handed in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/entry_store.h"
#include "list/list_file_form.h"

struct ListFile {
  ListFileForm form;
  // False when the text is not the file's exactly: writing it back would change the file.
  bool exact = true;
  EntryStore entries;
  int32_t entryCount = 0;
  // entryLines[e - 1]: the line of the file (from 0, every line counted) that entry e came from.
  std::vector<uint32_t> entryLines;
  // NUL characters in the file's text (a 00 byte, or U+0000 in UTF-16). No text that the
  // platform shows or edits can hold one, so each became a blank: a blank fits every form of
  // list file, so saving the list changes no other byte.
  int32_t nulCharacters = 0;
};

// Decides the form of the file's bytes, decodes them into the program's text, turns NUL
// characters into blanks and parses the entries out of it. Throws std::bad_alloc when the list does
// not fit in memory.
ListFile ReadListFile(std::string fileBytes, const CodePageConversion& codePage);

enum class ListChange {
  kChanged,     // bytes holds the whole new file
  kInexact,     // the file's text is not its bytes exactly: it is not written over
  kDoesNotFit,  // the new text has characters that the file's code page cannot hold
  kNoSuchLine,  // the file has no line of that number
  // Without the line, the rest of the file would be read otherwise: its form is decided by
  // what it holds (a file with a lone LF and one CR LF line, code-page text that only the
  // removed line kept from reading as UTF-8).
  kChangesOtherLines,
};

struct ChangedListFile {
  ListChange outcome = ListChange::kChanged;
  std::string bytes;
};

// The file with lines added after its last line. lines is UTF-8, each line ended by "\n"; they
// are written with the file's line ends, after a line end of their own when the last line has
// none, and before the end-of-file mark (Ctrl-Z) when there is one, so that they are read.
// The file ends up in the encoding given: in its own, every other byte stays as it was; a
// code-page file of ASCII alone takes the lines as UTF-8 (kUtf8) with no byte changed either;
// otherwise the whole readable text is written again in that encoding, with its mark.
// The encoding lines are added in: the file's own, except that code-page text of ASCII alone
// (an empty file too) takes UTF-8, which holds every character and which ASCII reads alike.
// Either way the file is read in the same encoding afterwards: code-page bytes added to ASCII
// could happen to form UTF-8 and turn the whole file into UTF-8 text.
TextEncoding EncodingOfAddedLines(std::string_view fileBytes, TextEncoding fileEncoding);

ChangedListFile BytesWithLinesAdded(std::string_view fileBytes, std::string_view lines,
                                    TextEncoding encoding, const CodePageConversion& codePage);

// The file without the line of that number (from 0, as ListFile::entryLines counts): its bytes
// and its line end go, every other byte stays, and every other entry reads back as it was.
ChangedListFile BytesWithLineRemoved(std::string_view fileBytes, uint32_t line,
                                     const CodePageConversion& codePage);

// The bytes of a file of the form holding edited list text: every piece of the text followed
// by a line end, then one more line end, in the form's encoding and line ends.
ChangedListFile BytesOfListText(std::string_view listText, ListFileForm form,
                                const CodePageConversion& codePage);
