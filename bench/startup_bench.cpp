// Start-up time and peak memory of the real quillet.exe, measured from outside as a user
// starts it. Start-up: from CreateProcess until the main dialog is shown with its 1000-entry
// default list loaded, against a bare Win32 program (one empty dialog) measured the same way
// until its dialog is shown; several runs of each, taking turns, median. Big lists: from
// CreateProcess until the main list holds every entry of a default list of each size, against
// a one-entry list, three runs taking turns, median. Memory: the peak resident set of
// quillet.exe (VmHWM of its process under Wine) with the largest default list, less that with
// the one-entry list, against the size of the large list's file.
//   startup_bench.exe [RUNS [ENTRIES...]]   (default: 9 runs, 1000000 entries)
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
#include "quillet_runs.h"
#include "support/scratch_files.h"
#include "performance_clock.h"

namespace {

constexpr int kStartupEntries = 1000;
constexpr DWORD kStartupTimeoutMs = 60'000;
constexpr DWORD kBigListTimeoutMs = 600'000;
constexpr int kBigListRuns = 3;

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

// One start of the program with a default list of that many entries: the seconds until its
// main list holds them all, and its peak memory.
struct BigListStart {
  double seconds = 0;
  long long peakKb = 0;
};

BigListStart StartWithList(const PreparedProgram& copy, int entries) {
  QuilletProcess started;
  BigListStart start;
  start.seconds =
      StartUntilReady(copy.path, MainDialogCaption(), entries, kBigListTimeoutMs, started);
  start.peakKb = PeakResidentKb(started, copy.path);
  EndQuillet(started);
  return start;
}

struct BigList {
  int entries;
  PreparedProgram copy;
  double fileMb;
  std::vector<double> seconds;
  long long peakKb = 0;
};

// Start to list shown with default lists of 1 entry and of each of the sizes, the programs
// taking turns; the median of the runs, and the same less the 1-entry list's. Peak memory of
// the biggest list against the size of its file.
void MeasureBigLists(const std::wstring& quillet, const std::vector<int>& sizes, int runs) {
  std::vector<BigList> lists;
  for (int entries : sizes) {
    std::string bytes = MakeListFile(entries);
    lists.push_back({entries,
                     Prepare(quillet, bytes),
                     static_cast<double>(bytes.size()) / (1024.0 * 1024.0),
                     {},
                     0});
  }
  for (int run = 0; run < runs; ++run) {
    for (BigList& list : lists) {
      BigListStart start = StartWithList(list.copy, list.entries);
      list.seconds.push_back(start.seconds);
      list.peakKb = std::max(list.peakKb, start.peakKb);
    }
  }
  double smallSeconds = Median(lists.front().seconds);
  std::printf(
      "| quillet.exe default list | list file (MiB) | peak resident, %s (MiB) | runs |"
      " start to list shown, median (s) | after the 1-entry list's (s) |\n",
      gPeakSource);
  std::printf("|---|---:|---:|---:|---:|---:|\n");
  for (const BigList& list : lists) {
    std::printf("| %s | %.2f | %.1f | %zu | %.2f | %.2f |\n",
                list.entries == 1 ? "1 entry" : (SizeLabel(list.entries) + " entries").c_str(),
                list.fileMb, static_cast<double>(list.peakKb) / 1024.0, list.seconds.size(),
                Median(list.seconds), Median(list.seconds) - smallSeconds);
  }
  const BigList& biggest = lists.back();
  double extraMb = static_cast<double>(biggest.peakKb - lists.front().peakKb) / 1024.0;
  std::printf("\nMemory for the %s-entry list: %.1f MiB = %.2f x the list file\n",
              SizeLabel(biggest.entries).c_str(), extraMb, extraMb / biggest.fileMb);
  for (const BigList& list : lists) RemoveFolder(list.copy.folder);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  std::vector<int> bigSizes = {1};
  for (int i = 2; i < argc; ++i) bigSizes.push_back(std::atoi(argv[i]));
  if (argc <= 2) bigSizes.push_back(1'000'000);
  std::wstring quillet = WindowsPathOf(QUILLET_PROGRAM);
  std::wstring minimal = WindowsPathOf(MINIMAL_PROGRAM);
  std::wstring setup = WindowsPathOf(SETUP_PROGRAM);
  MeasureStartup(quillet, minimal, setup, runs);
  MeasureBigLists(quillet, bigSizes, kBigListRuns);
  return 0;
}
