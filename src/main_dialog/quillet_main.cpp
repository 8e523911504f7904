// The program's entry: prepares the process, runs start-up, and cleans up after it.
#include <windows.h>
#include <float.h>
#include <ole2.h>

#include <string>

#include "dialog_layer/dialog_layer.h"
#include "main_dialog/main_dialog.h"

namespace {

constexpr int kRefusedExitCode = 255;

bool IsNtPlatform() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof(version);
  GetVersionExA(&version);
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

int StartupShowCommand() {
  STARTUPINFOA info = {};
  info.cb = sizeof(info);
  GetStartupInfoA(&info);
  return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
}

// The command line without the program name (quoted or up to the first blank).
std::wstring CommandLineArguments() {
  const wchar_t* p = GetCommandLineW();
  if (*p == L'"') {
    for (++p; *p && *p != L'"'; ++p) {
    }
    if (*p) ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return p;
}

// Puts the x87 floating-point unit in a known state, whatever the process inherited: rounding
// to nearest (ties to even), so that a whole number computed through floating point rounds the
// way the layout rules say; 64-bit precision; and every exception masked, so that a
// floating-point fault in code the platform loads into the process (shell extensions in the
// open-file dialog, drivers) gives an infinity or NaN instead of a hardware exception that
// would end the program.
void SetFloatingPointControl() {
  _control87(_RC_NEAR | _PC_64 | _MCW_EM, _MCW_RC | _MCW_PC | _MCW_EM);
}

// Start-up: the start arguments are handed over and ignored; the main dialog is shown as the
// dialog layer shows every modal dialog.
int32_t StartUp(HINSTANCE, const std::wstring&, int) {
  return RunMainDialog();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (!IsNtPlatform()) {
    MessageBoxA(nullptr, "Win98 No Support", nullptr, MB_TASKMODAL | MB_SETFOREGROUND);
    return kRefusedExitCode;
  }
  int showCommand = StartupShowCommand();
  std::wstring arguments = CommandLineArguments();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!InitDialogLayerThread()) return kRefusedExitCode;
  // OLE, not COM alone: links are dropped on the main dialog through OLE drag and drop.
  OleInitialize(nullptr);
  InitDialogLayer();
  ClearProgramState();
  SetFloatingPointControl();

  int32_t exitCode = StartUp(instance, arguments, showCommand);

  ClearProgramState();
  ReleaseDialogLayer();
  ReleaseDialogLayerThread();
  OleUninitialize();
  return exitCode;
}
