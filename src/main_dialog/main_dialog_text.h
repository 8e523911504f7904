// The texts the main dialog builds: its caption, the counter text of the status bar, the help
// text, the launch text of a website and the check that an entry is a web address.
// Portable: no platform calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

constexpr char kVersionText[] = "1.02";

// "Quillet - ver 1.02".
std::string MainDialogCaption();

// The decimal form of a number preceded by one blank: " 3".
std::string NumberText(int32_t number);

// The counter text written right after the default list has loaded: " Website: 1 of 12".
std::string StartUpCounterText(int32_t entryCount);

// The counter text everywhere else: "Website: 3 of 12".
std::string CounterText(int32_t position, int32_t entryCount);

// The help text: nine lines joined by CR LF, naming the program file (programFolder ends with
// a backslash) and the current list file.
std::string HelpText(std::string_view programFolder, std::string_view listFilePath);

// True when the URL, trimmed of blanks, starts with "http://", "https://" or "www." in any
// letter case and holds no double quote and no control character. Only such entries are
// handed to the shell: anything else could name a program or a file share.
bool IsWebAddress(std::string_view url);

// The text handed to the shell: the URL trimmed of blanks, in double quotes, whole.
std::string LaunchText(std::string_view url);

// The notice shown instead of opening an entry that is not a web address.
constexpr char kNotWebAddressCaption[] = "Not a web address";
std::string NotWebAddressText(std::string_view url);
