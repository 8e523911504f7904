// ClipboardText: the text on the clipboard, as the program's UTF-8.
#include "dialog_layer/dialog_layer.h"

std::string ClipboardText(HWND owner) {
  std::string text;
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return text;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const wchar_t* wide = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (wide) {
    // Up to its terminating zero, within the memory that holds it.
    size_t room = GlobalSize(data) / sizeof(wchar_t);
    size_t length = 0;
    while (length < room && wide[length] != L'\0') ++length;
    text = ToUtf8(wide, static_cast<int>(length));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}
