#include "list/code_page_text.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "dialog_layer/conversion_flags.h"
#include "dialog_layer/dialog_layer.h"

#ifndef LOCALE_IUSEUTF8LEGACYACP
#define LOCALE_IUSEUTF8LEGACYACP 0x00000666
#endif

namespace {

// A number the system's locale gives; 0 when the platform does not know the value.
uint32_t SystemLocaleNumber(LCTYPE type) {
  DWORD value = 0;
  int size = GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, type | LOCALE_RETURN_NUMBER,
                            reinterpret_cast<LPWSTR>(&value), sizeof(value) / sizeof(wchar_t));
  return size > 0 ? value : 0;
}

uint32_t FindListCodePage() {
  UINT ansi = GetACP();
  if (ansi != CP_UTF8) return ListFileCodePage(ansi, 0, 0);
  return ListFileCodePage(ansi, SystemLocaleNumber(LOCALE_IUSEUTF8LEGACYACP),
                          SystemLocaleNumber(LOCALE_IDEFAULTANSICODEPAGE));
}

std::wstring WideOfBytes(UINT codePage, std::string_view bytes) {
  DWORD flags = ConversionFlagsFor(codePage, false).toWide;
  int size = static_cast<int>(bytes.size());
  int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(codePage, flags, bytes.data(), size, wide.data(), length);
  return wide;
}

// The bytes of the text; usedDefault tells whether a character had no exact form (where the
// code page may be asked; otherwise the round trip of the caller tells).
std::string BytesOfWide(UINT codePage, const std::wstring& wide, BOOL* usedDefault) {
  ConversionFlags flags = ConversionFlagsFor(codePage, true);
  BOOL* report = flags.reportsDefault ? usedDefault : nullptr;
  int length = static_cast<int>(wide.size());
  int size = WideCharToMultiByte(codePage, flags.fromWide, wide.data(), length, nullptr, 0, nullptr,
                                 nullptr);
  std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) {
    WideCharToMultiByte(codePage, flags.fromWide, wide.data(), length, bytes.data(), size, nullptr,
                        report);
  }
  return bytes;
}

// Exact when the bytes come back the same: this also catches byte sequences the code page has
// no character for, and characters it writes otherwise.
bool ToText(std::string_view bytes, std::string& text) {
  UINT codePage = SystemListCodePage();
  std::wstring wide = WideOfBytes(codePage, bytes);
  bool exact = BytesOfWide(codePage, wide, nullptr) == bytes;
  text = ToUtf8(wide);
  return exact;
}

// Fits when no character needed a stand-in and the bytes give the same characters back (a
// look-alike would give another).
bool ToBytes(std::string_view text, std::string& bytes) {
  UINT codePage = SystemListCodePage();
  std::wstring wide;
  ToWideInto(text, wide);
  BOOL usedDefault = FALSE;
  bytes = BytesOfWide(codePage, wide, &usedDefault);
  return !usedDefault && WideOfBytes(codePage, bytes) == wide;
}

}  // namespace

uint32_t SystemListCodePage() {
  static const uint32_t codePage = FindListCodePage();
  return codePage;
}

const CodePageConversion& SystemCodePage() {
  static const CodePageConversion conversion = {ToText, ToBytes};
  return conversion;
}
