// The two conversions through which every text crosses to and from the platform: the
// program's UTF-8 to the platform's UTF-16 and back, with flags that every Windows version
// takes for UTF-8.
#include "dialog_layer/dialog_layer.h"

#include <algorithm>

#include "dialog_layer/conversion_flags.h"
#include "dialog_layer/thread_settings.h"

static_assert(kUtf8CodePage == CP_UTF8 && kUtf7CodePage == CP_UTF7 &&
              kMbErrInvalidChars == MB_ERR_INVALID_CHARS &&
              kWcErrInvalidChars == WC_ERR_INVALID_CHARS &&
              kWcNoBestFitChars == WC_NO_BEST_FIT_CHARS);

void ToWideInto(std::string_view text, std::wstring& wide) {
  wide.clear();
  if (text.empty()) return;
  UINT codePage = ConversionCodePage();
  DWORD flags = ConversionFlagsFor(codePage, false).toWide;
  int size = static_cast<int>(text.size());
  int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
  wide.resize(
      static_cast<size_t>(std::max(length, 0)));  // keeps its room: no allocation when reused
  MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
}

std::wstring ToWide(std::string_view text) {
  std::wstring wide;
  ToWideInto(text, wide);
  return wide;
}

std::string ToUtf8(const wchar_t* text, int length) {
  if (length <= 0) return {};
  UINT codePage = ConversionCodePage();
  DWORD flags = ConversionFlagsFor(codePage, false).fromWide;
  int size = WideCharToMultiByte(codePage, flags, text, length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(codePage, flags, text, length, narrow.data(), size, nullptr, nullptr);
  return narrow;
}

std::string ToUtf8(const std::wstring& text) {
  return ToUtf8(text.data(), static_cast<int>(text.size()));
}
