// Which bookmarks become websites of a list, and as what. Portable.
#pragma once

#include <string>
#include <string_view>

#include "bookmarks/bookmark_file.h"

enum class SkipReason {
  kNone,           // a website
  kNotWebAddress,  // its address is not http or https: javascript:, place:, file:, data:, ...
  kNoAddress,      // the link has no address at all
  kNoHost,         // an http or https address with no host: "http:", "https://", "http:///a"
};

// True when the address's scheme is http or https, in any letter case.
bool IsWebAddress(std::string_view address);

struct Website {
  std::string url;
  std::string name;
};

// True when an http or https address names a host: something between the "//" after the
// scheme and the path, other than a user name and a port.
bool HasHost(std::string_view webAddress);

// The website of a bookmark, or why it is none. Only http and https addresses (the scheme in
// any letter case) that name a host are websites. The address loses the blanks and line breaks
// around it and the tabs and line breaks in it, as browsers read it; a comma becomes %2C, because a
// list's URL ends at its first comma, and other control characters are written %XX, so that none
// can end or cut the list's line. The title becomes the name with its control characters
// (line breaks and tabs among them) made blanks, and trimmed of blanks: an empty title gives
// the URL alone.
SkipReason WebsiteOfBookmark(const Bookmark& bookmark, Website& website);
