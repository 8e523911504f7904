// Speed of finding a website as the user types, on the program's own main dialog: a list is
// loaded (LoadListFile), the find opens (Ctrl+F), a table of queries is typed into the find
// field one character at a time (each keystroke sent to the field as typed, through the main
// dialog's callback, and timed until the list has been drawn), the field is cleared after each
// query (one keystroke that brings back the whole list), and the find closes (Escape) from the
// matches of "news". Times come from QueryPerformanceCounter.
//   find_bench.exe [SIZE...]     (default: 5000 100000 entries)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_table.h"
#include "dialog_bench_support.h"
#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/main_list_fill.h"
#include "list/website_list.h"
#include "list_generator.h"
#include "main_dialog/find_field.h"
#include "main_dialog/main_dialog.h"
#include "performance_clock.h"

namespace {

// Queries of one to four characters (as typed on the way to the longer ones) and of whole
// words, among the words the generated names and URLs are made of, and some found nowhere.
const char* const kQueries[] = {"news",         "weather",    "python docs", "radio",
                                "museum guide", "local news", "https",       "history science",
                                "zq",           "tea",        "jazz piano",  "example"};

// The main dialog's own callback, without the start-up load of the default list.
int32_t CallbackWithoutDefaultList(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG || message == kDeferredLoadMessage) return 0;
  return MainDialogCallback(dialog, message, wParam, lParam);
}

HWND OpenMainDialog() {
  HWND dialog = CreateMainDialog();
  ShowModeless(dialog, CallbackWithoutDefaultList);
  AttachMainList(dialog);
  PumpMessages();
  return dialog;
}

// Sends one character to the find field as typing it does, and waits until the list is drawn.
double TimeKeystroke(HWND field, wchar_t character) {
  double start = Now();
  SendMessageW(field, WM_CHAR, character, 1);
  UpdateWindow(gMainList.list);
  PumpMessages();
  return Now() - start;
}

struct SizeTimes {
  double load = 0, fill = 0, open = 0, clear = 0, close = 0;
  std::vector<double> short_, words;
  double slowest = 0;
  bool complete = false;
};

void TypeQuery(HWND field, const std::string& query, SizeTimes& times) {
  std::wstring wide = ToWide(query);
  for (size_t i = 0; i < wide.size(); ++i) {
    double seconds = TimeKeystroke(field, wide[i]);
    (i < 4 ? times.short_ : times.words).push_back(seconds);
    if (seconds > times.slowest) times.slowest = seconds;
  }
}

SizeTimes MeasureSize(HWND dialog, int32_t entries) {
  SizeTimes times;
  const std::string path = TemporaryPath("quillet-find-" + std::to_string(entries) + ".txt");
  if (!WriteBytes(path, MakeListFile(entries))) return times;
  gWebsiteList.listFilePath = path;
  gWebsiteList.currentPosition = 0;
  double start = Now();
  LoadListFile();
  times.load = Now() - start;
  PumpMessages();
  if (gWebsiteList.file.entryCount != entries) return times;
  {
    // The fill of a load alone: the whole list into the emptied main list.
    MainListDrawingPause pause;
    ListReset(dialog, kMainListId);
    start = Now();
    FillMainList(gWebsiteList.file.entries, entries, 1);
    times.fill = Now() - start;
  }
  ListSelect(dialog, kMainListId, 1);
  PumpMessages();

  start = Now();
  SendCommand(dialog, kFindCommand);
  PumpMessages();
  times.open = Now() - start;
  HWND field = ControlHandle(dialog, kFindFieldId);
  for (const char* query : kQueries) {
    TypeQuery(field, query, times);
    SendMessageW(field, EM_SETSEL, 0, -1);
    double seconds = TimeKeystroke(field, L'\b');  // the whole list again
    if (seconds > times.clear) times.clear = seconds;
  }
  for (wchar_t c : std::wstring(L"news")) SendMessageW(field, WM_CHAR, c, 1);
  PumpMessages();
  start = Now();  // from the matches of "news" to the whole list
  SendCommand(dialog, IDCANCEL);
  UpdateWindow(gMainList.list);
  PumpMessages();
  times.close = Now() - start;
  times.complete = ListCount(dialog, kMainListId) == entries && !IsFinding();
  DeleteFileW(ToWide(path).c_str());
  std::fprintf(
      stderr,
      "find_bench: %d entries: load %.1f ms, fill %.1f ms, open %.1f ms, keystroke median %.1f ms "
      "(1-4 characters) %.1f ms (whole words), slowest %.1f ms, clear %.1f ms, close "
      "%.1f ms\n",
      entries, times.load * 1e3, times.fill * 1e3, times.open * 1e3, Median(times.short_) * 1e3,
      Median(times.words) * 1e3, times.slowest * 1e3, times.clear * 1e3, times.close * 1e3);
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  if (!InitDialogLayerThread()) return 1;
  InitDialogLayer();
  HWND dialog = OpenMainDialog();
  std::vector<int32_t> sizes = ListSizesFromArguments(argc, argv);
  if (argc < 2) sizes = {5000, 100000};
  std::vector<TimedOperation> operations = {
      {"LoadListFile (for comparison: a load, which the find leaves alone)", {}},
      {"FillMainList (for comparison: the fill of a load)", {}},
      {"Open the find (Ctrl+F: the list's order taken)", {}},
      {"Keystroke, median over queries of 1 to 4 characters", {}},
      {"Keystroke, median over the rest of whole words", {}},
      {"Keystroke, slowest", {}},
      {"Clearing the field (whole list back, slowest)", {}},
      {"Closing the find (Escape: whole list back)", {}}};
  for (int32_t entries : sizes) {
    SizeTimes times = MeasureSize(dialog, entries);
    if (!times.complete) {
      std::fprintf(stderr, "find_bench: failed at %d entries\n", entries);
      return 1;
    }
    const double figures[] = {times.load,          times.fill,    times.open,  Median(times.short_),
                              Median(times.words), times.slowest, times.clear, times.close};
    for (size_t i = 0; i < operations.size(); ++i) operations[i].seconds.push_back(figures[i]);
  }
  PrintScalingTable(sizes, operations);
  return 0;
}
