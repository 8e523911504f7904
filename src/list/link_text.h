// A link's address and title as a list's URL and name, the same wherever a link comes from: a
// bookmark export, a pasted line, a dropped link. Portable.
#pragma once

#include <string>
#include <string_view>

// The address without the blanks and line breaks around it (as browsers read one).
std::string_view TrimAddressSpaces(std::string_view address);

// The list URL of an address: it loses the blanks and line breaks around it and the tabs and
// line breaks in it; a comma becomes %2C, because a list's URL ends at its first comma, and
// other control characters are written %XX, so that none can end or cut the list's line.
std::string ListUrlOf(std::string_view address);

// The list name of a title: its control characters (line breaks and tabs among them) become
// blanks, runs of blanks one blank, and blanks and characters that show as nothing (no-break
// and zero-width spaces, the byte-order mark) go from both ends: an empty or invisible title
// gives the URL alone.
std::string ListNameOf(std::string_view title);
