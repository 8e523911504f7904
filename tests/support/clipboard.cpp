#include "support/clipboard.h"

#include <windows.h>

#include <cstring>

bool PutOnClipboard(const std::wstring& text) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool put = owner && memory && OpenClipboard(owner);
  if (put) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    EmptyClipboard();
    put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;  // the clipboard owns it now
    CloseClipboard();
  }
  if (!put && memory) GlobalFree(memory);
  if (owner) DestroyWindow(owner);
  return put;
}
