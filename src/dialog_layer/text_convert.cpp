// The two conversions through which every text crosses to and from the platform.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/thread_settings.h"

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
  UINT codePage = ConversionCodePage();
  int size = WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, text, length, narrow.data(), size, nullptr, nullptr);
  return narrow;
}

std::string ToAnsi(const std::wstring& text) {
  return ToAnsi(text.data(), static_cast<int>(text.size()));
}

bool ToAnsiExactly(const std::wstring& text, std::string& ansi) {
  ansi = ToAnsi(text);
  // Converting back is the one test that serves every code page: the flags that report a
  // default character are refused for some of them (UTF-8 among them), and best fits are
  // reported by none.
  return ToWide(ansi) == text;
}
