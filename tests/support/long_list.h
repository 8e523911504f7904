// Test support: list text longer than an edit box's default limit (30,000 characters under
// Wine, 32,767 on Windows), made of entry lines that are all the same length.
#pragma once

#include <string>

// "http://www.site0001.example/page, Site 0001 of a long list": 58 characters.
std::string LongEntryLine(int number);
// The entry lines first ... first + count - 1, each ended by CR LF: 60 characters an entry.
std::string LongList(int first, int count);
