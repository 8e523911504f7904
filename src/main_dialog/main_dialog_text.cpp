#include "main_dialog/main_dialog_text.h"

#include "list/list_format.h"

namespace {

bool HasQuoteOrControlCharacter(std::string_view text) {
  for (char c : text) {
    if (c == '"' || static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
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

bool IsWebAddress(std::string_view url) {
  std::string_view trimmed = TrimBlanks(url);
  bool webScheme = StartsWithIgnoringCase(trimmed, "http://") ||
                   StartsWithIgnoringCase(trimmed, "https://") ||
                   StartsWithIgnoringCase(trimmed, "www.");
  return webScheme && !HasQuoteOrControlCharacter(trimmed);
}

std::string LaunchText(std::string_view url) {
  std::string text = "\"";
  text.append(TrimBlanks(url));
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
