#include "bookmarks/html_entities.h"

#include <cstddef>
#include <iterator>

namespace {

// HTML's Latin-1 names, in the order of their characters U+00A0 to U+00FF.
constexpr std::string_view kLatin1Names[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

constexpr char32_t kLatin1First = 0xA0;

struct NamedReference {
  std::string_view name;
  char32_t character;
};

// The rest of the set; the names bookmark files use most come first.
constexpr NamedReference kOtherNames[] = {
    {"amp", U'&'},      {"quot", U'"'},     {"lt", U'<'},      {"gt", U'>'},
    {"apos", U'\''},    {"OElig", 0x0152},  {"oelig", 0x0153}, {"Scaron", 0x0160},
    {"scaron", 0x0161}, {"Yuml", 0x0178},   {"fnof", 0x0192},  {"circ", 0x02C6},
    {"tilde", 0x02DC},  {"ensp", 0x2002},   {"emsp", 0x2003},  {"thinsp", 0x2009},
    {"zwnj", 0x200C},   {"zwj", 0x200D},    {"lrm", 0x200E},   {"rlm", 0x200F},
    {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018}, {"rsquo", 0x2019},
    {"sbquo", 0x201A},  {"ldquo", 0x201C},  {"rdquo", 0x201D}, {"bdquo", 0x201E},
    {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022},  {"hellip", 0x2026},
    {"permil", 0x2030}, {"prime", 0x2032},  {"Prime", 0x2033}, {"lsaquo", 0x2039},
    {"rsaquo", 0x203A}, {"euro", 0x20AC},   {"trade", 0x2122}, {"larr", 0x2190},
    {"rarr", 0x2192}};

}  // namespace

char32_t NamedCharacter(std::string_view name) {
  for (const NamedReference& reference : kOtherNames) {
    if (reference.name == name) return reference.character;
  }
  for (size_t i = 0; i < std::size(kLatin1Names); ++i) {
    if (kLatin1Names[i] == name) return kLatin1First + static_cast<char32_t>(i);
  }
  return 0;
}
