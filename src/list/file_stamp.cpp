#include "list/file_stamp.h"

uint64_t HashBytes(std::string_view bytes, uint64_t hash) {
  constexpr uint64_t kPrime = 0x100000001B3u;
  for (char byte : bytes) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= kPrime;
  }
  return hash;
}

bool IsUnchangedSince(const FileStamp& loaded, const FileStamp& now) {
  if (loaded.exists != now.exists) return false;
  if (!loaded.exists) return true;
  if (loaded.size != now.size) return false;
  // The bytes decide when both were read: a last-write time may stay the same across a change
  // (coarse clocks, programs that restore it) and may change with none (a file saved again).
  if (loaded.read && now.read) return loaded.hash == now.hash;
  return loaded.lastWrite == now.lastWrite;
}
