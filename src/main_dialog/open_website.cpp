#include "main_dialog/open_website.h"

#include <windows.h>
#include <shellapi.h>

#include "dialog_layer/dialog_layer.h"

void OpenInBrowser(const std::string& launchText) {
  // Wide, so that the browser gets every character of the address as written.
  ShellExecuteW(nullptr, L"open", ToWide(launchText).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
