#include "quillet_runs.h"

#include <cstdio>
#include <cstdlib>

#include "performance_clock.h"
#include "support/scratch_files.h"

namespace {

constexpr int kMainListId = 101;

// The number of items in the main list of a shown main dialog; -1 while there is none, or
// while the program is too busy to answer.
int MainListCount(const QuilletProcess& quillet, const std::string& caption) {
  HWND list =
      GetDlgItem(FindWindowWithCaption(OtherProcess(quillet.processId), caption), kMainListId);
  DWORD_PTR count = 0;
  if (list && SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 1000, &count)) {
    return static_cast<int>(count);
  }
  return -1;
}

bool IsShown(const QuilletProcess& quillet, const std::string& caption) {
  return FindWindowWithCaption(OtherProcess(quillet.processId), caption) != nullptr;
}

}  // namespace

PreparedProgram Prepare(const std::wstring& program, const std::string& listBytes) {
  PreparedProgram prepared;
  prepared.folder = MakeScratchFolder(L"quillet-bench");
  std::wstring name = program.substr(program.find_last_of(L"\\/") + 1);
  prepared.path = prepared.folder + name;
  if (prepared.folder.empty() || !CopyFileW(program.c_str(), prepared.path.c_str(), FALSE) ||
      !WriteFileBytes(prepared.folder + L"myQuillet.txt", listBytes)) {
    std::fprintf(stderr, "bench: cannot prepare a folder for %ls\n", program.c_str());
    std::exit(1);
  }
  return prepared;
}

double StartUntilReady(const std::wstring& path, const std::string& caption, int items,
                       DWORD timeoutMs, QuilletProcess& started) {
  double start = Now();
  if (!StartQuillet(path, L"", started)) {
    std::fprintf(stderr, "bench: cannot start %ls\n", path.c_str());
    std::exit(1);
  }
  for (;;) {
    bool ready = items < 0 ? IsShown(started, caption) : MainListCount(started, caption) == items;
    if (ready) return Now() - start;
    if ((Now() - start) * 1e3 > timeoutMs) {
      std::fprintf(stderr, "bench: %ls was not ready in time\n", path.c_str());
      std::exit(1);
    }
    Sleep(1);
  }
}
