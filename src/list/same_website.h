// When a URL names a website the list already holds. Portable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/entry_store.h"

// The URL as websites are told apart: its scheme and host (up to the first "/", "?" or "#") in
// lower case, and without a "/" right after the host that ends the URL or comes just before
// its "?" or "#". Everything else stays as written.
std::string WebsiteKey(std::string_view url);

// The first entry (from 1) whose URL is the same text as url, or differs from it only in the
// letter case of its scheme and host and/or a "/" right after the host; 0 when there is none.
int32_t EntryOfSameWebsite(const EntryStore& entries, int32_t entryCount, std::string_view url);
