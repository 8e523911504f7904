#include "list/loaded_list.h"

#include <utility>

#include "list/list_parse.h"

LoadedList LoadedListOf(std::string fileBytes, const CodePageConversion& codePage) {
  LoadedList loaded;
  DecodedListFile decoded = DecodeListFile(std::move(fileBytes), codePage);
  loaded.form = decoded.form;
  loaded.exact = decoded.exact;
  loaded.entryCount = ParseListText(std::move(decoded.text), decoded.form.lineEnds, loaded.entries);
  return loaded;
}
