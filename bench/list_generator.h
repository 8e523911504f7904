// List files for the benchmarks: deterministic, and shaped like a list a person keeps.
// Portable: used by the native core benchmarks and the Windows benchmarks alike.
#pragma once

#include <cstdint>
#include <string>

// A list file of exactly `entries` entry lines ("URL, name", CR LF-ended), with what real lists
// have besides: a comment line every 50 entries and a blank line every 100 (both ignored by a
// load), a URL repeated every 200 entries, entries without a name, names that several
// entries share ("Home", "Login", ...) in varying letter case, and names that differ from
// another only in letter case. The same count always gives the same bytes.
std::string MakeListFile(int32_t entries);
