#include "dialog_layer/conversion_flags.h"

#include <initializer_list>

namespace {

// Code pages whose conversions take no flags at all: the ISO-2022 and ISCII families, UTF-7
// and Symbol.
bool TakesNoFlags(uint32_t codePage) {
  switch (codePage) {
    case 42:
    case 50220:
    case 50221:
    case 50222:
    case 50225:
    case 50227:
    case 50229:
    case kUtf7CodePage:
      return true;
    default:
      return codePage >= 57002 && codePage <= 57011;
  }
}

// A code page 8-bit text can be kept in byte for byte: a real code page, not UTF-8 or UTF-7.
bool IsLegacyCodePage(uint32_t codePage) {
  return codePage != 0 && codePage != kUtf8CodePage && codePage != kUtf7CodePage;
}

}  // namespace

ConversionFlags ConversionFlagsFor(uint32_t codePage, bool strict) {
  if (TakesNoFlags(codePage)) return {};
  if (codePage == kUtf8CodePage || codePage == kGb18030CodePage) {
    return {strict ? kMbErrInvalidChars : 0, strict ? kWcErrInvalidChars : 0, false};
  }
  return {strict ? kMbErrInvalidChars : 0, strict ? kWcNoBestFitChars : 0, strict};
}

uint32_t ListFileCodePage(uint32_t ansiCodePage, uint32_t legacyAnsiCodePage,
                          uint32_t defaultAnsiCodePage) {
  for (uint32_t candidate : {ansiCodePage, legacyAnsiCodePage, defaultAnsiCodePage}) {
    if (IsLegacyCodePage(candidate)) return candidate;
  }
  return kWesternCodePage;
}
