// Which flags the platform's code-page conversions (MultiByteToWideChar, WideCharToMultiByte)
// accept for a code page, and which code page 8-bit list files are in. Windows refuses flags a
// code page does not take (ERROR_INVALID_FLAGS), and Wine accepts them all, so these choices
// are made here, portably, where a native test holds them. Portable: no platform calls.
#pragma once

#include <cstdint>

// The platform's numbers, named here because the portable core has no windows.h; the layer
// checks that they agree.
constexpr uint32_t kUtf8CodePage = 65001;     // CP_UTF8
constexpr uint32_t kUtf7CodePage = 65000;     // CP_UTF7
constexpr uint32_t kGb18030CodePage = 54936;  // takes the same flags as UTF-8
constexpr uint32_t kWesternCodePage = 1252;
constexpr uint32_t kMbErrInvalidChars = 0x08;  // MB_ERR_INVALID_CHARS
constexpr uint32_t kWcErrInvalidChars = 0x80;  // WC_ERR_INVALID_CHARS
constexpr uint32_t kWcNoBestFitChars = 0x400;  // WC_NO_BEST_FIT_CHARS

struct ConversionFlags {
  uint32_t toWide = 0;    // dwFlags of MultiByteToWideChar
  uint32_t fromWide = 0;  // dwFlags of WideCharToMultiByte
  // Whether WideCharToMultiByte may be given a default character and asked whether it used
  // it; where it may not, both must be null.
  bool reportsDefault = false;
};

// The flags for converting with codePage (a real code page, never CP_ACP or another alias).
// Strict: invalid input fails instead of being replaced, and no character becomes a look-alike.
ConversionFlags ConversionFlagsFor(uint32_t codePage, bool strict);

// The code page of 8-bit list files: the system's ANSI code page, unless that is UTF-8 itself
// (Windows' "Use Unicode UTF-8" setting), when the locale's legacy ANSI code page
// (LOCALE_IUSEUTF8LEGACYACP), then its default ANSI code page (LOCALE_IDEFAULTANSICODEPAGE),
// then Western (1252) stand in. A value of 0 means that the lookup failed or found none.
uint32_t ListFileCodePage(uint32_t ansiCodePage, uint32_t legacyAnsiCodePage,
                          uint32_t defaultAnsiCodePage);
