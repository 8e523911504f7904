// quillet-bookmarks on Windows, a console program. Started from a Command Prompt (or with its
// output redirected) it prints; started from Explorer, a file dropped on its icon or a
// double-click, it has a console of its own that closes with it, so it says what it did in a
// message box instead.
#include <windows.h>

#include <string>
#include <vector>

#include "bookmarks/tool_commands.h"
#include "bookmarks/tool_reports.h"
#include "dialog_layer/dialog_layer.h"

namespace {

constexpr char kBoxCaption[] = "Quillet Bookmarks";

bool IsRedirected(HANDLE output) {
  DWORD type = GetFileType(output);
  return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}

// Explorer starts a console program in a console made for it alone; a Command Prompt shares
// its console. Output that goes to a file or a pipe is read by whoever redirected it.
bool HasConsoleOfItsOwn() {
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1 && !IsRedirected(GetStdHandle(STD_OUTPUT_HANDLE));
}

// To the console as UTF-16, so that every character shows; to a file or pipe as UTF-8 with
// CR LF line ends.
void Print(HANDLE output, const std::string& text) {
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(output, &mode)) {
    std::wstring wide = ToWide(text + "\n");
    WriteConsoleW(output, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  std::string bytes;
  for (char c : text + "\n") {
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(c);
  }
  WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void PrintOutcome(const ToolOutcome& outcome) {
  if (outcome.exitCode == kExitDone) {
    Print(GetStdHandle(STD_OUTPUT_HANDLE), outcome.text);
  } else {
    Print(GetStdHandle(STD_ERROR_HANDLE), "quillet-bookmarks: " + outcome.text);
  }
}

void ShowOutcomeBox(const ToolOutcome& outcome) {
  UINT icon = outcome.exitCode == kExitDone ? MB_ICONINFORMATION : MB_ICONERROR;
  ShowNotice(outcome.text, MB_OK | MB_SETFOREGROUND | icon, kBoxCaption);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(ToUtf8(argv[i], lstrlenW(argv[i])));
  const bool ownConsole = HasConsoleOfItsOwn();
  ToolOutcome outcome = RunTool(arguments);
  if (!ownConsole) {
    PrintOutcome(outcome);
    return outcome.exitCode;
  }
  // The empty console window goes, and the box stays.
  FreeConsole();
  if (arguments.empty()) outcome.text = DropHintText();
  ShowOutcomeBox(outcome);
  return outcome.exitCode;
}
