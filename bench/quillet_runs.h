// Running the real quillet.exe for a benchmark: a copy of the program in a folder of its own
// with a default list beside it, started from outside and timed until it is ready.
#pragma once

#include <windows.h>

#include <string>

#include "quillet_driver.h"

// A program ready to start: its copy in a folder of its own, with a default list beside it.
struct PreparedProgram {
  std::wstring folder;
  std::wstring path;
};

// Copies the program and writes the list as its myQuillet.txt; ends the benchmark on failure.
PreparedProgram Prepare(const std::wstring& program, const std::string& listBytes);

// Starts the program and polls, every millisecond, until it is ready: its dialog with this
// caption shown and, when items is not negative, its main list holding that many items.
// Returns the seconds taken; the process keeps running. Ends the benchmark when the program
// cannot be started or is not ready in time.
double StartUntilReady(const std::wstring& path, const std::string& caption, int items,
                       DWORD timeoutMs, QuilletProcess& started);
