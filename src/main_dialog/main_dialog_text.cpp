#include "main_dialog/main_dialog_text.h"

#include "list/list_format.h"

namespace {

bool IsAsciiControl(char c) {
  return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

// The C1 control characters U+0080 to U+009F (C2 80 to C2 9F in UTF-8), and the line and
// paragraph separators U+2028 and U+2029 (E2 80 A8, E2 80 A9), which break lines as CR and LF do.
bool StartsWithOtherControl(std::string_view text) {
  auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
  if (text.size() >= 2 && byte(0) == 0xC2 && byte(1) >= 0x80 && byte(1) <= 0x9F) return true;
  return text.size() >= 3 && byte(0) == 0xE2 && byte(1) == 0x80 &&
         (byte(2) == 0xA8 || byte(2) == 0xA9);
}

bool HasQuoteOrControlCharacter(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"' || IsAsciiControl(c) || StartsWithOtherControl(text.substr(i))) return true;
  }
  return false;
}

std::string WithoutTabs(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c != '\t') kept.push_back(c);
  }
  return kept;
}

bool IsPathSeparator(char c) {
  return c == '/' || c == '\\';
}

// "." or "..", also with blanks, which a path may drop from the end of a segment.
bool IsDotSegment(std::string_view segment) {
  return segment.find('.') != std::string_view::npos &&
         segment.find_first_not_of(". ") == std::string_view::npos;
}

void AppendSegment(std::string_view segment, std::string& address) {
  if (!IsDotSegment(segment)) {
    address.append(segment);
    return;
  }
  for (char c : segment) address.append(c == '.' ? "%2E" : " ");
}

std::string WithDotSegmentsEscaped(std::string_view address) {
  std::string escaped;
  escaped.reserve(address.size());
  size_t start = 0;
  for (size_t i = 0; i <= address.size(); ++i) {
    if (i < address.size() && !IsPathSeparator(address[i])) continue;
    AppendSegment(address.substr(start, i - start), escaped);
    if (i < address.size()) escaped.push_back(address[i]);
    start = i + 1;
  }
  return escaped;
}

}  // namespace

std::string MainDialogCaption() {
  return std::string("Quillet - ver ") + kVersionText;
}

std::string NumberText(int32_t number) {
  return " " + std::to_string(number);
}

std::string StartUpCounterText(int32_t entryCount) {
  return " Website: 1 of" + NumberText(entryCount);
}

std::string CounterText(int32_t position, int32_t entryCount) {
  return "Website:" + NumberText(position) + " of" + NumberText(entryCount);
}

std::string FindCounterText(int32_t position, int32_t matchCount) {
  return matchCount > 0 ? CounterText(position, matchCount) : kNoMatchText;
}

std::string HelpText(std::string_view programFolder, std::string_view listFilePath) {
  std::string text =
      "Data files are text files with a list of strings,\r\n"
      "each string is of form: website URL, website name\r\n"
      "\r\n"
      "The file that is displayed first is nammed 'myQuillet.txt'\r\n"
      "and must be located in the same folder as the program file\r\n"
      "(or in the system folders ProgramFiles(x86) and ProgramData).\r\n"
      "\r\n"
      "Program file: ";
  text.append(programFolder);
  text.append("quillet.exe\r\nData file: ");
  text.append(listFilePath);
  return text;
}

std::optional<std::string> LaunchText(std::string_view url) {
  std::string withoutTabs = WithoutTabs(url);
  std::string_view address = TrimBlanks(withoutTabs);
  bool hasScheme =
      StartsWithIgnoringCase(address, "http://") || StartsWithIgnoringCase(address, "https://");
  bool startsWithWww = StartsWithIgnoringCase(address, "www.");
  if (!(hasScheme || startsWithWww) || HasQuoteOrControlCharacter(address)) return std::nullopt;
  std::string text = startsWithWww ? "\"http://" : "\"";
  text.append(WithDotSegmentsEscaped(address));
  text.append("\"");
  return text;
}

std::string NotWebAddressText(std::string_view url) {
  std::string text =
      "The selected entry is not a web address, so it was not opened:\r\n"
      "\r\n";
  text.append(TrimBlanks(url));
  return text;
}
