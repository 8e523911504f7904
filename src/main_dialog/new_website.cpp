#include "main_dialog/new_website.h"

#include "list/link_text.h"
#include "list/list_format.h"
#include "main_dialog/main_dialog_text.h"

namespace {

// Where the URL of a pasted line ends: at its first comma followed by a blank or by nothing.
size_t NameSeparator(std::string_view line) {
  for (size_t at = line.find(','); at != std::string_view::npos; at = line.find(',', at + 1)) {
    if (at + 1 == line.size() || line[at + 1] == ' ') return at;
  }
  return std::string_view::npos;
}

std::string_view FirstLineWithText(std::string_view text) {
  while (!text.empty()) {
    size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    if (!TrimAddressSpaces(line).empty()) return line;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return {};
}

}  // namespace

std::optional<NewWebsite> WebsiteOfLink(std::string_view url, std::string_view title) {
  NewWebsite website{ListUrlOf(url), ListNameOf(title)};
  if (website.url.empty() || !LaunchText(website.url)) return std::nullopt;
  return website;
}

std::optional<NewWebsite> WebsiteOfPastedText(std::string_view text) {
  std::string_view line = FirstLineWithText(text);
  size_t separator = NameSeparator(line);
  if (separator == std::string_view::npos) return WebsiteOfLink(line, {});
  return WebsiteOfLink(line.substr(0, separator), line.substr(separator + 1));
}

std::string ListLineOf(const NewWebsite& website) {
  std::string line;
  AppendEntryLine(line, website.url, website.name);
  return line;
}

std::string NotWebAddressDropText(std::string_view url) {
  return "The dropped link is not a web address, so it was not added:\n" + std::string(url);
}

std::string AlreadyInListText(std::string_view url) {
  return "This website is already in the list, and it is selected:\n" + std::string(url);
}

std::string NotAddedText(std::string_view path, std::string_view reason) {
  return "The website was not added to\n" + std::string(path) + "\n" + std::string(reason);
}

std::string NotRemovedText(std::string_view path, std::string_view reason) {
  return "The website was not removed from\n" + std::string(path) + "\n" + std::string(reason);
}

std::string AddAsUtf8Question(std::string_view path) {
  return "The website holds characters that the list file's code page cannot hold:\n" +
         std::string(path) +
         "\n\nSave the list as UTF-8 instead, which holds every character?\nNo adds nothing.";
}

std::string RemoveQuestion(std::string_view url, std::string_view name) {
  std::string text = "Remove this website from the list?\n\n";
  if (!name.empty()) text.append(name).append("\n");
  return text.append(url);
}

std::string RemoveFromChangedFileQuestion(std::string_view path) {
  return "The list file has been changed by another program since it was read:\n" +
         std::string(path) +
         "\n\nRemove the website from the file as it is now? The other changes are kept.";
}
