// The named character references that bookmark titles use. Portable.
#pragma once

#include <string_view>

// The character of a named reference, given without "&" and ";" ("eacute"); 0 when the name
// is not one of the set: the five of XML (amp, lt, gt, quot, apos), HTML's Latin-1 names
// (nbsp to yuml, U+00A0 to U+00FF), and HTML's Latin Extended and punctuation names (OElig,
// euro, ndash, mdash, lsquo, rsquo, ldquo, rdquo, hellip, bull, trade and the like). Letter case
// counts, as in HTML: "Eacute" is not "eacute".
char32_t NamedCharacter(std::string_view name);
