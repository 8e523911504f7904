// List texts for tests: a line many times over, and seeded random list texts made of a few short
// tokens, so that duplicate URLs, blank pieces, commas, blanks and every kind of line end occur
// often. Deterministic on every platform: std::mt19937's sequence is fixed, and no library
// distribution is used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

inline std::string RandomListText(std::mt19937& rng, size_t maxTokens) {
  using namespace std::string_view_literals;
  static const std::string_view kTokens[] = {
      "\r\n"sv,         "\r\n"sv,  "\r\n"sv, "\r\n"sv, "http://a"sv, "http://a"sv, "http://b"sv,
      "HTTP://a"sv,     "www.c"sv, "htt"sv,  " "sv,    "  "sv,       ","sv,        ","sv,
      ", n"sv,          "x"sv,     "\r"sv,   "\n"sv,   "\t"sv,       "\""sv,       "\x1A"sv,
      "\xEF\xBB\xBF"sv, "\0"sv,    "\xFF"sv};
  constexpr size_t kTokenCount = sizeof kTokens / sizeof kTokens[0];
  std::string text;
  size_t tokens = rng() % (maxTokens + 1);
  for (size_t i = 0; i < tokens; ++i) text += kTokens[rng() % kTokenCount];
  return text;
}

// The line, each time ended by CR LF.
inline std::string RepeatedLine(std::string_view line, int32_t times) {
  std::string text;
  for (int32_t i = 0; i < times; ++i) text.append(line).append("\r\n");
  return text;
}
