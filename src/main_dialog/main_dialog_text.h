// The texts the main dialog builds: its caption, the counter text of the status bar, the help
// text and the launch text of a website.
// Portable: no platform calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "quillet_version.h"

// The project's version as written there.
constexpr char kVersionText[] = QUILLET_VERSION_TEXT;

// "Quillet - ver " followed by the version.
std::string MainDialogCaption();

// The decimal form of a number preceded by one blank: " 3".
std::string NumberText(int32_t number);

// The counter text written right after the default list has loaded: " Website: 1 of 12".
std::string StartUpCounterText(int32_t entryCount);

// The counter text everywhere else: "Website: 3 of 12".
std::string CounterText(int32_t position, int32_t entryCount);

// The counter text while finding: "Website: 2 of 14" among 14 matches, or kNoMatchText.
constexpr char kNoMatchText[] = "No website found";
std::string FindCounterText(int32_t position, int32_t matchCount);

// The help text: nine lines joined by CR LF, naming the program file (programFolder ends with
// a backslash) and the current list file.
std::string HelpText(std::string_view programFolder, std::string_view listFilePath);

// The text handed to the shell for an entry: its web address in double quotes, whole; nothing
// when the entry is not a web address. The shell tries text as a file path before it takes it
// for a web address, so the launch text is always an absolute web address with its scheme:
//  - the URL loses its tabs (browsers drop them anyway) and is trimmed of blanks;
//  - it must start with "http://", "https://" or "www." in any letter case and hold no double
//    quote and no other control character (ASCII or C1, nor the line and paragraph separators
//    U+2028 and U+2029); "http://" is put before one that starts "www.";
//  - the dots of a path segment made of dots alone ("." and "..", between slashes or
//    backslashes) are written "%2E". A file path would climb with them, out of the scheme and
//    into the working folder ("http://a/../../x.exe" names x.exe there); a browser reads "%2E"
//    in such a segment as a dot.
std::optional<std::string> LaunchText(std::string_view url);

// The notice shown instead of opening an entry that is not a web address.
constexpr char kNotWebAddressCaption[] = "Not a web address";
std::string NotWebAddressText(std::string_view url);
