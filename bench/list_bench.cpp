// Speed of loading, listing and saving on a real main dialog: the program's own main dialog is
// created and shown, and list files of growing size are loaded into it (LoadListFile), turned
// into the text of "Change List" (ListToText) and saved back (SaveEditedText: normalise, write,
// reload). Times come from QueryPerformanceCounter; the median of several runs is printed.
//   list_bench.exe [SIZE...]     (default: 1000 10000 100000 1000000 entries)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_table.h"
#include "dialog_bench_support.h"
#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "list_generator.h"
#include "main_dialog/main_dialog.h"
#include "performance_clock.h"

namespace {

int32_t IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
  return 0;
}

// The program's main dialog, shown, with its main list attached as its initialisation does.
void OpenMainDialog() {
  HWND dialog = CreateMainDialog();
  ShowModeless(dialog, IgnoreMessages);
  AttachMainList(dialog);
  PumpMessages();
}

struct RunTimes {
  std::vector<double> load, text, save;
};

bool Fail(const char* what, int32_t entries) {
  std::fprintf(stderr, "list_bench: %s at %d entries\n", what, entries);
  return false;
}

// One load, text and save of the file, as at start-up: position 0.
bool RunOnce(const std::string& path, const std::string& fileBytes, int32_t entries,
             RunTimes& times) {
  if (!WriteBytes(path, fileBytes)) return Fail("cannot write the list file", entries);
  gWebsiteList.listFilePath = path;
  gWebsiteList.currentPosition = 0;
  // As at start-up, the main list is empty before the load.
  ListReset(gMainList.dialog, kMainListId);
  PumpMessages();
  double start = Now();
  LoadListFile();
  double loaded = Now();
  if (gWebsiteList.file.entryCount != entries) return Fail("the load lost entries", entries);
  if (ListCount(gMainList.dialog, kMainListId) != entries) return Fail("items missing", entries);
  PumpMessages();
  double textStart = Now();
  std::string text = ListToText();
  double textDone = Now();
  double saveStart = Now();
  bool saved = SaveEditedText(text, 1);
  double saveDone = Now();
  if (!saved || gWebsiteList.file.entryCount == 0) return Fail("the save failed", entries);
  PumpMessages();
  times.load.push_back(loaded - start);
  times.text.push_back(textDone - textStart);
  times.save.push_back(saveDone - saveStart);
  std::fprintf(stderr, "list_bench: %d entries: load %.1f ms, text %.1f ms, save %.1f ms\n",
               entries, (loaded - start) * 1e3, (textDone - textStart) * 1e3,
               (saveDone - saveStart) * 1e3);
  return true;
}

bool MeasureSize(int32_t entries, RunTimes& times) {
  const std::string path = TemporaryPath("quillet-bench-" + std::to_string(entries) + ".txt");
  const std::string fileBytes = MakeListFile(entries);
  bool complete = true;
  for (int run = 0; run < RepeatsFor(entries) && complete; ++run) {
    complete = RunOnce(path, fileBytes, entries, times);
  }
  DeleteFileW(ToWide(path).c_str());
  return complete;
}

}  // namespace

int main(int argc, char** argv) {
  if (!InitDialogLayerThread()) return 1;
  InitDialogLayer();
  OpenMainDialog();
  std::vector<int32_t> sizes = ListSizesFromArguments(argc, argv);
  std::vector<TimedOperation> operations = {{"LoadListFile (file read to selection set)", {}},
                                            {"ListToText (\"Change List\" text)", {}},
                                            {"SaveEditedText (normalise, write, reload)", {}}};
  for (int32_t entries : sizes) {
    RunTimes times;
    if (!MeasureSize(entries, times)) return 1;
    operations[0].seconds.push_back(Median(times.load));
    operations[1].seconds.push_back(Median(times.text));
    operations[2].seconds.push_back(Median(times.save));
    std::fprintf(stderr, "list_bench: %s entries done\n", SizeLabel(entries).c_str());
  }
  PrintScalingTable(sizes, operations);
  return 0;
}
