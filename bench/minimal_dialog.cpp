// A bare Win32 program: one empty dialog, built from a template in memory and shown modally
// until it is closed. The start-up benchmark measures quillet.exe against it.
//
// Built with WITH_PLATFORM_SETUP (and the program's manifest) it first does what the platform
// asks of quillet.exe before its main dialog can be shown: COM initialised, the common-control
// classes registered with Common Controls 6, a special-folder lookup through the shell, and
// the dialog drawn in "MS Sans Serif" 8 pt. The difference between the two shows how much of
// quillet.exe's start-up is that set-up.
#include <windows.h>
#ifdef WITH_PLATFORM_SETUP
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#endif

#include <cstdint>

#include "minimal_dialog.h"

namespace {

#ifdef WITH_PLATFORM_SETUP
constexpr DWORD kFontStyle = DS_SETFONT;
constexpr wchar_t kFontName[] = L"MS Sans Serif";
#else
constexpr DWORD kFontStyle = 0;
constexpr wchar_t kFontName[] = L"";
#endif

// A dialog template with no controls: DLGTEMPLATE, then no menu, the default class, the
// caption and, with DS_SETFONT, the point size and face name, each as UTF-16 words.
struct alignas(4) EmptyDialogTemplate {
  DLGTEMPLATE header;
  WORD menu;
  WORD windowClass;
  wchar_t caption[sizeof kMinimalDialogCaption];
  WORD pointSize;
  wchar_t fontName[sizeof kFontName / sizeof(wchar_t)];
};

EmptyDialogTemplate MakeTemplate() {
  EmptyDialogTemplate dialog = {};
  dialog.header.style =
      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE | kFontStyle;
  dialog.header.x = 2;
  dialog.header.y = 2;
  dialog.header.cx = 200;
  dialog.header.cy = 230;
  for (size_t i = 0; i < sizeof kMinimalDialogCaption; ++i) {
    dialog.caption[i] = static_cast<wchar_t>(kMinimalDialogCaption[i]);
  }
  dialog.pointSize = 8;
  for (size_t i = 0; i < sizeof kFontName / sizeof(wchar_t); ++i) dialog.fontName[i] = kFontName[i];
  return dialog;
}

void DoPlatformSetup() {
#ifdef WITH_PLATFORM_SETUP
  CoInitialize(nullptr);
  INITCOMMONCONTROLSEX classes = {sizeof(classes), 0x706F};
  InitCommonControlsEx(&classes);
  char path[MAX_PATH] = {};
  LPITEMIDLIST items = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, CSIDL_PROGRAM_FILES, &items) == S_OK) {
    SHGetPathFromIDListA(items, path);
    CoTaskMemFree(items);
  }
#endif
}

INT_PTR CALLBACK EmptyDialogProcedure(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  DoPlatformSetup();
  static EmptyDialogTemplate dialog = MakeTemplate();
  return static_cast<int>(
      DialogBoxIndirectParamW(instance, &dialog.header, nullptr, EmptyDialogProcedure, 0));
}
