// A stand-in for a program that the shell must never start when Quillet opens a website. Tests
// plant copies of it where the shell looks for programs; a copy that runs leaves a trace file,
// its own path followed by ".ran", holding the command line it got.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  wchar_t path[MAX_PATH + 8] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  lstrcatW(path, L".ran");
  HANDLE trace =
      CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (trace == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(trace, commandLine, static_cast<DWORD>(lstrlenA(commandLine)), &written, nullptr);
  CloseHandle(trace);
  return 0;
}
