// The two conversions through which every text crosses to and from the platform, and the
// check that a text crosses back to 8-bit without loss.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/thread_settings.h"

#include <algorithm>
#include <utility>

namespace {

// Characters checked together before the search for an inexact one goes character by character.
constexpr int kCheckedPiece = 4096;

std::string Narrow(UINT codePage, DWORD flags, const wchar_t* text, int length, BOOL* usedDefault) {
  int size = WideCharToMultiByte(codePage, flags, text, length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(codePage, flags, text, length, narrow.data(), size, nullptr, usedDefault);
  return narrow;
}

bool IsUtf8(UINT codePage) {
  return codePage == CP_UTF8 || (codePage == CP_ACP && GetACP() == CP_UTF8);
}

// Every character has an exact counterpart in the code page: none became the default character
// or a best-fit look-alike. UTF-8 holds every character but an unpaired surrogate, and it takes
// neither the best-fit flag nor the default-character report.
bool ConvertsExactly(UINT codePage, const wchar_t* text, int length) {
  if (IsUtf8(codePage)) {
    return WideCharToMultiByte(codePage, WC_ERR_INVALID_CHARS, text, length, nullptr, 0, nullptr,
                               nullptr) > 0;
  }
  BOOL usedDefault = FALSE;
  Narrow(codePage, WC_NO_BEST_FIT_CHARS, text, length, &usedDefault);
  return !usedDefault;
}

// Characters that convert as one: a surrogate pair, or a single character.
int UnitLength(const wchar_t* text, int at, int end) {
  bool pair = IS_HIGH_SURROGATE(text[at]) && at + 1 < end && IS_LOW_SURROGATE(text[at + 1]);
  return pair ? 2 : 1;
}

int FirstInexactIn(UINT codePage, const wchar_t* text, int start, int end) {
  for (int at = start; at < end;) {
    int length = UnitLength(text, at, end);
    if (!ConvertsExactly(codePage, text + at, length)) return at;
    at += length;
  }
  return start;  // only the piece as a whole failed: report its start
}

// Piece by piece, so that a long text is not converted once per character.
int FirstInexact(UINT codePage, const wchar_t* text, int length) {
  for (int start = 0; start < length;) {
    int end = std::min(length, start + kCheckedPiece);
    if (end < length && IS_HIGH_SURROGATE(text[end - 1])) ++end;  // a pair stays whole
    if (!ConvertsExactly(codePage, text + start, end - start)) {
      return FirstInexactIn(codePage, text, start, end);
    }
    start = end;
  }
  return -1;
}

}  // namespace

void ToWideInto(std::string_view text, std::wstring& wide) {
  wide.clear();
  if (text.empty()) return;
  UINT codePage = ConversionCodePage();
  int size = static_cast<int>(text.size());
  int length = MultiByteToWideChar(codePage, MB_PRECOMPOSED, text.data(), size, nullptr, 0);
  wide.resize(static_cast<size_t>(length));  // keeps the room it had: no allocation when reused
  MultiByteToWideChar(codePage, MB_PRECOMPOSED, text.data(), size, wide.data(), length);
}

std::wstring ToWide(const std::string& text) {
  std::wstring wide;
  ToWideInto(text, wide);
  return wide;
}

std::string ToAnsi(const wchar_t* text, int length) {
  if (length <= 0) return {};
  return Narrow(ConversionCodePage(), 0, text, length, nullptr);
}

std::string ToAnsi(const std::wstring& text) {
  return ToAnsi(text.data(), static_cast<int>(text.size()));
}

CheckedText ToAnsiChecked(const wchar_t* text, int length) {
  CheckedText checked;
  if (length <= 0) return checked;
  UINT codePage = ConversionCodePage();
  // One pass in the usual case: a text without loss converts alike with or without best fit.
  if (!IsUtf8(codePage)) {
    BOOL usedDefault = FALSE;
    checked.text = Narrow(codePage, WC_NO_BEST_FIT_CHARS, text, length, &usedDefault);
    if (!usedDefault) return checked;
  } else if (ConvertsExactly(codePage, text, length)) {
    checked.text = Narrow(codePage, 0, text, length, nullptr);
    return checked;
  }
  checked.firstInexact = FirstInexact(codePage, text, length);
  checked.text = Narrow(codePage, 0, text, length, nullptr);  // look-alikes where there are some
  return checked;
}

bool ToAnsiExactly(const std::wstring& text, std::string& ansi) {
  CheckedText checked = ToAnsiChecked(text.data(), static_cast<int>(text.size()));
  ansi = std::move(checked.text);
  return checked.firstInexact < 0;
}
