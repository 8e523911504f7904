#include "list/list_file_form.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

bool StartsWith(std::string_view bytes, std::string_view start) {
  return bytes.substr(0, start.size()) == start;
}

}  // namespace

ListFileForm FormOfListFile(std::string_view fileBytes) {
  if (StartsWith(fileBytes, kUtf8Mark)) return ListFileForm::kUtf8Marked;
  if (StartsWith(fileBytes, kUtf16LittleEndianMark)) return ListFileForm::kUtf16LittleEndian;
  if (StartsWith(fileBytes, kUtf16BigEndianMark)) return ListFileForm::kUtf16BigEndian;
  return ListFileForm::kPlain;
}

std::string_view ByteOrderMark(ListFileForm form) {
  switch (form) {
    case ListFileForm::kUtf8Marked:
      return kUtf8Mark;
    case ListFileForm::kUtf16LittleEndian:
      return kUtf16LittleEndianMark;
    case ListFileForm::kUtf16BigEndian:
      return kUtf16BigEndianMark;
    default:
      return {};
  }
}

bool IsUtf16Form(ListFileForm form) {
  return form == ListFileForm::kUtf16LittleEndian || form == ListFileForm::kUtf16BigEndian;
}
