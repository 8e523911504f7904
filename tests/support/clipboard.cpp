#include "support/clipboard.h"

#include <windows.h>

#include <cstring>

bool PutFormatsOnClipboard(const std::vector<std::pair<UINT, std::string>>& formats) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  bool put = owner && OpenClipboard(owner);
  if (put) {
    EmptyClipboard();
    for (const auto& [format, bytes] : formats) {
      HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
      if (!memory) {
        put = false;
        continue;
      }
      std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
      GlobalUnlock(memory);
      if (SetClipboardData(format, memory)) continue;  // the clipboard owns it now
      GlobalFree(memory);
      put = false;
    }
    CloseClipboard();
  }
  if (owner) DestroyWindow(owner);
  return put;
}

bool PutOnClipboard(const std::wstring& text) {
  std::string bytes(reinterpret_cast<const char*>(text.c_str()),
                    (text.size() + 1) * sizeof(wchar_t));
  return PutFormatsOnClipboard({{CF_UNICODETEXT, bytes}});
}
