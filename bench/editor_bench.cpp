// Opening the list editor on a big list in the real quillet.exe, measured from outside as a
// user meets it: from the click on "Change List" until the editor is shown, and until the
// first character typed into it has been taken. The list is loaded first (not timed).
//   editor_bench.exe [ENTRIES...]   (default: 100000 1000000)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_table.h"
#include "list_generator.h"
#include "main_dialog/main_dialog_text.h"
#include "performance_clock.h"
#include "quillet_driver.h"
#include "quillet_runs.h"
#include "support/scratch_files.h"

namespace {

constexpr int kChangeListId = 203;
constexpr int kEditBoxId = 100;
constexpr wchar_t kEditorCaption[] = L"Add or change websites";
constexpr DWORD kBigListTimeoutMs = 600'000;
constexpr double kEditorTimeoutSeconds = 600;

struct EditorSearch {
  DWORD processId;
  HWND found;
};

// The caption the window manager keeps, read without a message: the program may be too busy
// to answer one while it makes the editor.
BOOL CALLBACK FindShownEditor(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<EditorSearch*>(data);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t caption[64] = {};
  if (processId != search->processId || !IsWindowVisible(window)) return TRUE;
  InternalGetWindowText(window, caption, 64);
  if (std::wstring(caption) != kEditorCaption) return TRUE;
  search->found = window;
  return FALSE;
}

HWND ShownEditor(const QuilletProcess& quillet) {
  EditorSearch search{quillet.processId, nullptr};
  EnumWindows(FindShownEditor, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool IsModified(HWND edit) {
  DWORD_PTR modified = 0;
  return SendMessageTimeoutW(edit, EM_GETMODIFY, 0, 0, SMTO_NORMAL, 1000, &modified) &&
         modified != 0;
}

void GiveUpIfLate(double start, const char* what) {
  if (Now() - start < kEditorTimeoutSeconds) return;
  std::fprintf(stderr, "editor_bench: %s took too long\n", what);
  std::exit(1);
}

struct EditorOpening {
  double shown = 0;     // seconds from the click to the editor shown
  double answered = 0;  // seconds from the click to the first typed character taken
};

EditorOpening TimeEditorOpening(const std::wstring& quillet, int entries) {
  PreparedProgram copy = Prepare(quillet, MakeListFile(entries));
  QuilletProcess started;
  std::string caption = MainDialogCaption();
  StartUntilReady(copy.path, caption, entries, kBigListTimeoutMs, started);
  HWND main = FindWindowWithCaption(OtherProcess(started.processId), caption);
  EditorOpening opening;
  double start = Now();
  ClickButton(main, kChangeListId);
  HWND editor = nullptr;
  while (!(editor = ShownEditor(started))) {
    GiveUpIfLate(start, "showing the editor");
    Sleep(1);
  }
  opening.shown = Now() - start;
  HWND edit = GetDlgItem(editor, kEditBoxId);
  PostMessageW(edit, WM_CHAR, L'x', 1);
  while (!IsModified(edit)) {
    GiveUpIfLate(start, "taking a typed character");
    Sleep(1);
  }
  opening.answered = Now() - start;
  EndQuillet(started);
  RemoveFolder(copy.folder);
  return opening;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int32_t> sizes;
  for (int i = 1; i < argc; ++i) {
    if (std::atoi(argv[i]) > 0) sizes.push_back(std::atoi(argv[i]));
  }
  if (sizes.empty()) sizes = {100'000, 1'000'000};
  std::wstring quillet = WindowsPathOf(QUILLET_PROGRAM);
  std::printf(
      "| list | \"Change List\" to editor shown (s) | to first typed character taken (s) |\n");
  std::printf("|---|---:|---:|\n");
  for (int32_t entries : sizes) {
    EditorOpening opening = TimeEditorOpening(quillet, entries);
    std::printf("| %s entries | %.2f | %.2f |\n", SizeLabel(entries).c_str(), opening.shown,
                opening.answered);
    std::fflush(stdout);
  }
  return 0;
}
