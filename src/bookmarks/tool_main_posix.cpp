// quillet-bookmarks on Linux and other POSIX systems: the summary goes to standard output,
// what went wrong to standard error.
#include <cstdio>
#include <string>
#include <vector>

#include "bookmarks/tool_commands.h"

int main(int argc, char** argv) {
  ToolOutcome outcome = RunTool(std::vector<std::string>(argv + 1, argv + argc));
  if (outcome.exitCode == kExitDone) {
    std::printf("%s\n", outcome.text.c_str());
  } else {
    std::fprintf(stderr, "quillet-bookmarks: %s\n", outcome.text.c_str());
  }
  return outcome.exitCode;
}
