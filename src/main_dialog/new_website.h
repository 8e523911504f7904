// A website to add to the list, from what the user pastes or drops, and the texts that tell
// what became of it. Portable.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct NewWebsite {
  std::string url;
  std::string name;  // empty: the URL alone
};

// The website of a link: its URL and name are the link's address and title as every list
// takes them (ListUrlOf, ListNameOf: a comma in the URL becomes "%2C", line breaks and tabs in
// the title blanks). Nothing when the URL is no web address by the rule that opening uses
// (http://, https:// or www., in any letter case; no quote, no control character).
std::optional<NewWebsite> WebsiteOfLink(std::string_view url, std::string_view title);

// The website of pasted text: its first line that is not blank, either an address alone or a
// list line "URL, name". A comma followed by a blank (or ending the line) separates the URL from
// the name; other commas belong to the URL.
std::optional<NewWebsite> WebsiteOfPastedText(std::string_view text);

// The list line of the website: "URL, name", or the URL alone.
std::string ListLineOf(const NewWebsite& website);

// --- What the user is told and asked ------------------------------------------------------

constexpr char kNothingToPasteNotice[] =
    "The clipboard holds no web address to add.\n\nCopy an address that begins with http://,\n"
    "https:// or www., or a line of the list (\"URL, name\"),\nand press Ctrl+V in Quillet.";
std::string NotWebAddressDropText(std::string_view url);
std::string AlreadyInListText(std::string_view url);
std::string NotAddedText(std::string_view path, std::string_view reason);
std::string NotRemovedText(std::string_view path, std::string_view reason);
constexpr char kNoLongerInFileReason[] =
    "The website is no longer in the file: another program has changed it.";
// Asked before a website is added that the list file's code page cannot hold.
std::string AddAsUtf8Question(std::string_view path);
// Asked before the selected website is removed.
std::string RemoveQuestion(std::string_view url, std::string_view name);
// Asked before a removal from a list file that another program has changed since it was read.
std::string RemoveFromChangedFileQuestion(std::string_view path);
