#include "list_generator.h"

#include <cctype>
#include <vector>

namespace {

// Deterministic pseudo-random numbers (a 64-bit LCG), so every run measures the same bytes.
uint32_t NextRandom(uint64_t& state) {
  state = state * 6364136223846793005ull + 1442695040888963407ull;
  return static_cast<uint32_t>(state >> 33);
}

const char* const kHosts[] = {"www.example",  "news.example",    "docs.example",   "shop.example",
                              "blog.example", "library.example", "museum.example", "forum.example"};
const char* const kTopDomains[] = {".org", ".com", ".net", ".info"};
const char* const kWords[] = {"research", "daily",   "archive", "guide", "reference", "weather",
                              "music",    "recipes", "travel",  "maps",  "science",   "history"};
// Words of the names people give their bookmarks.
const char* const kNameWords[] = {
    "news",       "weather",       "recipes",      "python",     "docs",      "guide",
    "music",      "radio",         "bank",         "mail",       "maps",      "travel",
    "forum",      "shop",          "library",      "museum",     "photo",     "video",
    "sports",     "football",      "chess",        "garden",     "science",   "history",
    "cooking",    "review",        "blog",         "tutorial",   "reference", "dictionary",
    "translate",  "calendar",      "school",       "university", "jobs",      "health",
    "fitness",    "running",       "cycling",      "hiking",     "camping",   "fishing",
    "books",      "poetry",        "art",          "design",     "fonts",     "icons",
    "wallpapers", "games",         "puzzles",      "crosswords", "movies",    "series",
    "tickets",    "flights",       "hotels",       "trains",     "buses",     "taxes",
    "insurance",  "energy",        "solar",        "climate",    "space",     "astronomy",
    "physics",    "chemistry",     "biology",      "medicine",   "law",       "politics",
    "economy",    "markets",       "stocks",       "crypto",     "startup",   "linux",
    "windows",    "android",       "security",     "privacy",    "backup",    "hosting",
    "domains",    "email",         "chat",         "friends",    "family",    "kids",
    "pets",       "dogs",          "cats",         "birds",      "plants",    "coffee",
    "tea",        "wine",          "beer",         "bakery",     "pizza",     "vegan",
    "diet",       "yoga",          "dance",        "theatre",    "opera",     "jazz",
    "guitar",     "piano",         "drums",        "podcasts",   "comics",    "anime",
    "knitting",   "sewing",        "woodwork",     "cars",       "bikes",     "boats",
    "ferries",    "weather radar", "city council", "local news", "town hall"};
const char* const kSharedNames[] = {"Home", "Login", "Docs", "News", "Search", "Blog"};

template <typename Array>
const char* Pick(const Array& words, uint64_t& state) {
  return words[NextRandom(state) % (sizeof words / sizeof words[0])];
}

std::string MakeUrl(uint64_t& state, int32_t entry) {
  std::string url = (entry % 9 == 4) ? "http://" : "https://";
  url += Pick(kHosts, state);
  url += std::to_string(entry % 9973);
  url += Pick(kTopDomains, state);
  url += "/";
  url += Pick(kWords, state);
  url += "/";
  url += Pick(kWords, state);
  url += "?id=" + std::to_string(entry);
  return url;
}

std::string Capitalized(std::string word) {
  word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
  return word;
}

std::string WithFlippedCase(std::string text) {
  for (char& c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    c = static_cast<char>(std::isupper(u) ? std::tolower(u) : std::toupper(u));
  }
  return text;
}

// A name shared by many entries, written as-is, in lower case or in upper case.
std::string SharedName(uint64_t& state) {
  std::string name = Pick(kSharedNames, state);
  uint32_t variant = NextRandom(state) % 3;
  if (variant == 1) name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
  if (variant == 2) {
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return name;
}

// Two or three words, sometimes with the site's name or a year after them.
std::string OwnName(uint64_t& state) {
  std::string name = Capitalized(Pick(kNameWords, state)) + " " + Pick(kNameWords, state);
  if (NextRandom(state) % 2 == 0) name += std::string(" ") + Pick(kNameWords, state);
  uint32_t suffix = NextRandom(state) % 10;
  if (suffix < 2) name += " - " + Capitalized(Pick(kNameWords, state)) + " site";
  if (suffix == 2) name += " " + std::to_string(1990 + NextRandom(state) % 35);
  return name;
}

std::string MakeName(uint64_t& state, int32_t entry, const std::string& previousName) {
  if (entry % 20 == 7) return {};
  if (entry % 50 == 13) return SharedName(state);
  if (entry % 97 == 5 && !previousName.empty()) return WithFlippedCase(previousName);
  return OwnName(state);
}

// The separator between URL and name, with the blanks people leave around commas.
const char* Separator(int32_t entry) {
  switch (entry % 16) {
    case 3:
      return ",";
    case 8:
      return " , ";
    default:
      return ", ";
  }
}

}  // namespace

std::string MakeListFile(int32_t entries) {
  uint64_t state = 2024;
  std::string file;
  file.reserve(static_cast<size_t>(entries) * 72);
  std::vector<std::string> someUrls;
  std::string previousName;
  for (int32_t entry = 0; entry < entries; ++entry) {
    if (entry % 50 == 0) file += "# section " + std::to_string(entry / 50) + "\r\n";
    if (entry % 100 == 99) file += "\r\n";
    std::string url = (entry % 200 == 199) ? someUrls[NextRandom(state) % someUrls.size()]
                                           : MakeUrl(state, entry);
    if (entry % 64 == 0) someUrls.push_back(url);
    std::string name = MakeName(state, entry, previousName);
    file += url;
    if (!name.empty()) file += Separator(entry) + name;
    file += "\r\n";
    previousName = name;
  }
  return file;
}
