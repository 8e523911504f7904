#include "list/list_file_text.h"

#include <string_view>
#include <utility>

#include "dialog_layer/dialog_layer.h"

ListFileText ListFileTextOf(std::string fileBytes) {
  ListFileText result;
  result.form = FormOfListFile(fileBytes);
  const size_t markSize = ByteOrderMark(result.form).size();
  if (!IsUtf16Form(result.form)) {
    fileBytes.erase(0, markSize);
    result.bytes = std::move(fileBytes);
    return result;
  }
  std::string_view unitBytes = std::string_view(fileBytes).substr(markSize);
  const bool wholeUnits = unitBytes.size() % 2 == 0;  // an odd last byte is half a character
  // FF FE 00 00 begins a UTF-32 file, not a UTF-16 one: read as UTF-16 it would show nothing
  // true, and a save would replace it.
  const bool utf32 = result.form == ListFileForm::kUtf16LittleEndian &&
                     unitBytes.substr(0, 2) == std::string_view("\0\0", 2);
  std::wstring text = Utf16UnitsOfBytes<std::wstring>(unitBytes, result.form);
  fileBytes = std::string();  // a big list needs the room
  result.exact = ToAnsiExactly(text, result.bytes) && wholeUnits && !utf32;
  return result;
}

std::string FileBytesInForm(std::string bytes, ListFileForm form) {
  if (IsUtf16Form(form)) return Utf16FileBytes(ToWide(bytes), form);
  bytes.insert(0, ByteOrderMark(form));
  return bytes;
}
