// Start-up time and peak memory of the real quillet.exe, measured from outside as a user
// starts it. Start-up: from CreateProcess until the main dialog is shown with its 1000-entry
// default list loaded, against a bare Win32 program (one empty dialog) measured the same way
// until its dialog is shown; several runs of each, taking turns, median. Memory: the peak
// resident set of quillet.exe (VmHWM of its process under Wine) with a large default list,
// less that with a one-entry list, against the size of the large list's file.
//   startup_bench.exe [RUNS [MEMORY_ENTRIES]]   (default: 9 runs, 1000000 entries)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_table.h"
#include "list_generator.h"
#include "main_dialog/main_dialog_text.h"
#include "minimal_dialog.h"
#include "quillet_driver.h"
#include "support/scratch_files.h"
#include "performance_clock.h"

namespace {

constexpr int kStartupEntries = 1000;
constexpr int kMainListId = 101;
constexpr DWORD kStartupTimeoutMs = 60'000;
constexpr DWORD kBigListTimeoutMs = 600'000;

// A program ready to start: its copy in a folder of its own, with a default list beside it.
struct PreparedProgram {
  std::wstring folder;
  std::wstring path;
};

PreparedProgram Prepare(const std::wstring& program, const std::string& listBytes) {
  PreparedProgram prepared;
  prepared.folder = MakeScratchFolder(L"quillet-bench");
  std::wstring name = program.substr(program.find_last_of(L"\\/") + 1);
  prepared.path = prepared.folder + name;
  if (prepared.folder.empty() || !CopyFileW(program.c_str(), prepared.path.c_str(), FALSE) ||
      !WriteFileBytes(prepared.folder + L"myQuillet.txt", listBytes)) {
    std::fprintf(stderr, "startup_bench: cannot prepare a folder for %ls\n", program.c_str());
    std::exit(1);
  }
  return prepared;
}

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

// Starts the program and polls, every millisecond, until it is ready: its dialog shown and,
// when items is not negative, the main list holding that many items. Returns the seconds
// taken; the process keeps running.
double StartUntilReady(const std::wstring& path, const std::string& caption, int items,
                       DWORD timeoutMs, QuilletProcess& started) {
  double start = Now();
  if (!StartQuillet(path, L"", started)) {
    std::fprintf(stderr, "startup_bench: cannot start %ls\n", path.c_str());
    std::exit(1);
  }
  for (;;) {
    bool ready = items < 0 ? IsShown(started, caption) : MainListCount(started, caption) == items;
    if (ready) return Now() - start;
    if ((Now() - start) * 1e3 > timeoutMs) {
      std::fprintf(stderr, "startup_bench: %ls was not ready in time\n", path.c_str());
      std::exit(1);
    }
    Sleep(1);
  }
}

double TimeOneStart(const PreparedProgram& program, const std::string& caption, int items) {
  QuilletProcess started;
  double seconds = StartUntilReady(program.path, caption, items, kStartupTimeoutMs, started);
  EndQuillet(started);
  return seconds;
}

// One program as the start-up table shows it: how it is started and when it counts as ready.
struct StartedProgram {
  const char* name;
  PreparedProgram copy;
  std::string caption;
  int items;  // the main list's item count that marks it ready; -1: its dialog shown
  std::vector<double> times;
};

void PrintStartupRow(const StartedProgram& program) {
  std::vector<double> times = program.times;
  std::sort(times.begin(), times.end());
  std::printf("| %s | %zu | %.0f | %.0f | %.0f |\n", program.name, times.size(),
              Median(times) * 1e3, times.front() * 1e3, times.back() * 1e3);
}

void MeasureStartup(const std::wstring& quillet, const std::wstring& minimal,
                    const std::wstring& setup, int runs) {
  const std::string caption = MainDialogCaption();
  PreparedProgram quilletCopy = Prepare(quillet, MakeListFile(kStartupEntries));
  std::vector<StartedProgram> programs = {
      {"quillet.exe, 1k-entry list loaded", quilletCopy, caption, kStartupEntries, {}},
      {"minimal Win32 program: empty dialog shown",
       Prepare(minimal, ""),
       kMinimalDialogCaption,
       -1,
       {}},
      {"(empty dialog after quillet's platform set-up)",
       Prepare(setup, ""),
       kMinimalDialogCaption,
       -1,
       {}},
      {"(quillet.exe, main dialog shown, list not yet loaded)", quilletCopy, caption, -1, {}},
  };
  // One start of each first, so that all find their libraries in the page cache; then the
  // programs take turns, so that a busy moment of the machine hits them alike.
  for (StartedProgram& program : programs)
    TimeOneStart(program.copy, program.caption, program.items);
  for (int run = 0; run < runs; ++run) {
    for (StartedProgram& program : programs) {
      program.times.push_back(TimeOneStart(program.copy, program.caption, program.items));
    }
  }
  std::printf("| program | runs | median (ms) | fastest (ms) | slowest (ms) |\n");
  std::printf("|---|---:|---:|---:|---:|\n");
  for (const StartedProgram& program : programs) PrintStartupRow(program);
  std::printf(
      "\nStart-up ratio quillet / minimal: %.2f (quillet / empty dialog after set-up: %.2f)\n\n",
      Median(programs[0].times) / Median(programs[1].times),
      Median(programs[0].times) / Median(programs[2].times));
  for (size_t i = 0; i < 3; ++i) RemoveFolder(programs[i].copy.folder);
}

// The name of the folder the program runs from (ASCII: made by MakeScratchFolder).
std::string FolderNameOf(const std::wstring& path) {
  std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
  folder = folder.substr(folder.find_last_of(L'\\') + 1);
  return std::string(folder.begin(), folder.end());
}

// Where the peak memory figures come from.
const char* gPeakSource = "VmHWM";

// The peak resident set of the Wine process that runs the program at this path, from
// /proc/<pid>/status on the Linux side (Wine shows the Linux root as drive Z:), found by the
// program's own folder in its command line. Falls back to the platform's peak working set
// where there is no /proc.
long long PeakResidentKb(const QuilletProcess& quillet, const std::wstring& path) {
  const std::string folderName = FolderNameOf(path);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
  long long peak = -1;
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring process = found.cFileName;
      if (process.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
      std::string commandLine = ReadFileBytes(L"Z:\\proc\\" + process + L"\\cmdline");
      if (commandLine.find(folderName) == std::string::npos) continue;
      std::string status = ReadFileBytes(L"Z:\\proc\\" + process + L"\\status");
      size_t at = status.find("VmHWM:");
      if (at != std::string::npos) peak = std::atoll(status.c_str() + at + 6);
    } while (peak < 0 && FindNextFileW(search, &found));
    FindClose(search);
  }
  if (peak >= 0) return peak;
  gPeakSource = "the peak working set";
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(quillet.process, &counters, sizeof counters)) return -1;
  return static_cast<long long>(counters.PeakWorkingSetSize / 1024);
}

long long PeakWithList(const std::wstring& quillet, int entries, const std::string& listBytes,
                       double& loadSeconds) {
  PreparedProgram copy = Prepare(quillet, listBytes);
  QuilletProcess started;
  loadSeconds =
      StartUntilReady(copy.path, MainDialogCaption(), entries, kBigListTimeoutMs, started);
  long long peak = PeakResidentKb(started, copy.path);
  EndQuillet(started);
  RemoveFolder(copy.folder);
  return peak;
}

void MeasureMemory(const std::wstring& quillet, int entries) {
  std::string bigList = MakeListFile(entries);
  double smallSeconds = 0, bigSeconds = 0;
  long long small = PeakWithList(quillet, 1, MakeListFile(1), smallSeconds);
  long long big = PeakWithList(quillet, entries, bigList, bigSeconds);
  double fileMb = static_cast<double>(bigList.size()) / (1024.0 * 1024.0);
  double extraMb = static_cast<double>(big - small) / 1024.0;
  std::printf(
      "| quillet.exe default list | list file (MiB) | peak resident, %s (MiB) |"
      " start to list shown (s) |\n",
      gPeakSource);
  std::printf("|---|---:|---:|---:|\n");
  std::printf("| 1 entry | 0.00 | %.1f | %.2f |\n", static_cast<double>(small) / 1024.0,
              smallSeconds);
  std::printf("| %s entries | %.1f | %.1f | %.2f |\n", SizeLabel(entries).c_str(), fileMb,
              static_cast<double>(big) / 1024.0, bigSeconds);
  std::printf("\nMemory for the list: %.1f MiB = %.2f x the list file\n", extraMb,
              extraMb / fileMb);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  int memoryEntries = argc > 2 ? std::atoi(argv[2]) : 1'000'000;
  std::wstring quillet = WindowsPathOf(QUILLET_PROGRAM);
  std::wstring minimal = WindowsPathOf(MINIMAL_PROGRAM);
  std::wstring setup = WindowsPathOf(SETUP_PROGRAM);
  MeasureStartup(quillet, minimal, setup, runs);
  if (memoryEntries > 0) MeasureMemory(quillet, memoryEntries);
  return 0;
}
