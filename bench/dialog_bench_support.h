// What the benchmarks on the program's own main dialog share: scratch list files and a message
// pump.
#pragma once

#include <string>

// Writes the bytes as the whole file at path (UTF-8). False when it could not be written whole.
bool WriteBytes(const std::string& path, const std::string& bytes);

// A path in the temporary folder with that file name.
std::string TemporaryPath(const std::string& name);

// Dispatches every message waiting for this thread.
void PumpMessages();
