#include "list/loaded_list.h"

#include <algorithm>
#include <utility>

#include "list/list_parse.h"

LoadedList LoadedListOf(std::string fileBytes, const CodePageConversion& codePage) {
  LoadedList loaded;
  DecodedListFile decoded = DecodeListFile(std::move(fileBytes), codePage);
  loaded.form = decoded.form;
  loaded.exact = decoded.exact;
  std::string& text = decoded.text;
  loaded.nulCharacters = static_cast<int32_t>(std::count(text.begin(), text.end(), '\0'));
  if (loaded.nulCharacters > 0) std::replace(text.begin(), text.end(), '\0', ' ');
  loaded.entryCount = ParseListText(std::move(decoded.text), decoded.form.lineEnds, loaded.entries);
  return loaded;
}
