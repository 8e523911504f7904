#include "list/file_stamp.h"

#include <cstring>

uint64_t FileContentHash(std::string_view bytes, uint64_t hash) {
  // Eight bytes a step: a list file of 70 MB is hashed in a small part of the time its load
  // takes, also in a 32-bit program. The shift folds the high bits, which the multiplication
  // moves upwards only, back into the low ones.
  constexpr uint64_t kWordFactor = 0x9E3779B97F4A7C15u;
  constexpr uint64_t kBytePrime = 0x100000001B3u;
  const char* next = bytes.data();
  size_t left = bytes.size();
  for (; left >= 8; next += 8, left -= 8) {
    uint64_t word;
    std::memcpy(&word, next, 8);
    hash = (hash ^ word) * kWordFactor;
    hash ^= hash >> 32;
  }
  for (; left > 0; ++next, --left) {
    hash ^= static_cast<unsigned char>(*next);
    hash *= kBytePrime;
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
