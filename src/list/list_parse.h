// Reading the entries out of a list file's bytes. Portable: no platform calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Every entry line of the file's readable bytes, in file order, split into its trimmed URL and
// name: urls[k] and names[k] belong to entry number k + 1. Both vectors are resized to exactly
// the number of entries, which is returned.
int32_t ParseListBytes(std::string_view fileBytes, std::vector<std::string>& urls,
                       std::vector<std::string>& names);
