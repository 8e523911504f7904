#include "main_dialog/open_website.h"

#include <windows.h>
#include <shellapi.h>

void OpenInBrowser(const std::string& launchText) {
  ShellExecuteA(nullptr, "open", launchText.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
