// The entries a list file's bytes give when Quillet loads them, for comparing lists in tests.
#pragma once

#include <string>
#include <vector>

#include "list/list_file_model.h"
#include "list/western_code_page.h"

// "URL|name" for each entry, in file order.
inline std::vector<std::string> EntriesOf(const std::string& fileBytes) {
  ListFile list = ReadListFile(fileBytes, WesternCodePage());
  std::vector<std::string> entries;
  for (int32_t e = 1; e <= list.entryCount; ++e) {
    entries.push_back(std::string(EntryUrl(list.entries, e)) + "|" +
                      std::string(EntryName(list.entries, e)));
  }
  return entries;
}
