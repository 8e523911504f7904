#include "support/long_list.h"

#include <cstdio>

std::string LongEntryLine(int number) {
  char line[80];
  std::snprintf(line, sizeof line, "http://www.site%04d.example/page, Site %04d of a long list",
                number, number);
  return line;
}

std::string LongList(int first, int count) {
  std::string text;
  for (int number = first; number < first + count; ++number) text += LongEntryLine(number) + "\r\n";
  return text;
}
