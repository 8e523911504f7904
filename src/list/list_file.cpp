// Loading a list file into the website list and the main list, in five steps that go one way:
// read the file; decode its form into the program's text; parse the entries; install them in
// the website list; fill the main list, select, and report. The first three take values and give
// a value; only the last two touch the program's state and its windows.
#include "list/list_file.h"

#include <algorithm>
#include <new>
#include <utility>

#include "dialog_layer/dialog_layer.h"
#include "list/code_page_text.h"
#include "list/list_file_access.h"
#include "list/list_format.h"
#include "list/list_file_model.h"
#include "list/main_list.h"
#include "list/main_list_fill.h"
#include "list/website_list.h"

namespace {

// Room after the widest text, so that its last character is not flush with the edge; layout
// pixels, while the measured widths and the extent are the list's device pixels.
constexpr int kScrollWidthMargin = 8;

void ShowLoadNotice(const std::string& text) {
  ShowNotice(text, MB_ICONERROR | MB_OK, "");
}

std::string UnreadableNotice(const std::string& path) {
  return "The list file could not be read:\n" + path;
}

std::string InexactNotice(const std::string& path) {
  return "The list file holds characters that this program cannot show:\n" + path +
         "\nIt is shown as far as possible, and changes to it cannot be saved.";
}

std::string NulNotice(const std::string& path) {
  return "The list file holds NUL characters (code 0), which a list cannot show:\n" + path +
         "\nEach is shown as a blank, and saving the list writes a blank in its place.";
}

std::string OutOfMemoryNotice(const std::string& path) {
  return "There is not enough memory to load the list file:\n" + path;
}

// Step 4: what the load found becomes the website list. A file never read leaves no entries
// and may not be saved over.
void InstallLoadedList(const FileRead& file, ListFile loaded) {
  gWebsiteList.loadedFile = file.stamp;
  gWebsiteList.listFileUnread = file.status == FileReadStatus::kUnreadable;
  gWebsiteList.file = std::move(loaded);
}

// What every load starts from: no entries, and nothing known about the file. The entries
// themselves stay until the file is read, so that a refused path leaves the main list as it was.
void ForgetLoadedFile() {
  gWebsiteList.file.entryCount = 0;
  gWebsiteList.listFileUnread = false;
  gWebsiteList.file.form = ListFileForm();
  gWebsiteList.file.exact = true;
  gWebsiteList.loadedFile = FileStamp();
}

// The position of the named entry, or the number itself as a position; clamped to the list.
int32_t PositionToSelect(int32_t entryCount, ListSelection selection,
                         int32_t positionOfNamedEntry) {
  int32_t candidate = selection.number;
  if (selection.kind == ListSelection::kEntry && positionOfNamedEntry > 0) {
    candidate = positionOfNamedEntry;
  }
  return std::max(1, std::min(entryCount, candidate));
}

void SelectLoadedPosition(int32_t position) {
  ListSelect(gMainList.dialog, kMainListId, position);
  gWebsiteList.currentPosition = position;
}

// A list that does not fit in memory is not shown in part: the main list and the website list
// are emptied again, and, as for an unreadable file, nothing may be saved over the file.
LoadOutcome ReportOutOfMemory(const std::string& path) {
  ListReset(gMainList.dialog, kMainListId);
  ForgetLoadedFile();
  gWebsiteList.file = ListFile();
  gWebsiteList.listFileUnread = true;
  ShowLoadNotice(OutOfMemoryNotice(path));
  return LoadOutcome::kUnreadable;
}

// Step 5: the main list shows the installed entries, one is selected, and the user hears of
// anything wrong. A list with characters that could not be shown as they are is shown as far as
// it goes; one that shows nothing at all is not offered for editing either, since saving would
// replace what could not be shown.
LoadOutcome ShowInstalledList(const std::string& path, ListSelection selection,
                              MainListDrawingPause& pause) {
  const int32_t entryCount = gWebsiteList.file.entryCount;
  const bool exact = gWebsiteList.file.exact;
  const int32_t soughtEntry = selection.kind == ListSelection::kEntry ? selection.number : 0;
  FilledList filled = FillMainList(gWebsiteList.file.entries, entryCount, soughtEntry);
  if (entryCount > 0) {
    int margin = ScaleForWindow(gMainList.list, kScrollWidthMargin);
    ListSetScrollWidth(gMainList.dialog, kMainListId, filled.widest + margin);
    SelectLoadedPosition(PositionToSelect(entryCount, selection, filled.soughtPosition));
  }
  pause.End();
  if (!exact) ShowLoadNotice(InexactNotice(path));
  if (gWebsiteList.file.nulCharacters > 0) ShowNotice(NulNotice(path), MB_ICONWARNING | MB_OK, "");
  if (entryCount > 0) return LoadOutcome::kLoaded;
  if (!exact) return LoadOutcome::kUnreadable;
  ShowLoadNotice("File contains no websites");
  return LoadOutcome::kNoWebsites;
}

// Throws std::bad_alloc when the list does not fit in memory.
LoadOutcome LoadFromPath(const std::string& path, ListSelection selection) {
  if (!HasTextExtension(path)) {
    ShowLoadNotice("Selected file is not a text file");
    return LoadOutcome::kNotTextFile;
  }
  MainListDrawingPause pause;
  ListReset(gMainList.dialog, kMainListId);
  gWebsiteList.file = ListFile();       // the earlier list goes before the next one is read
  FileRead file = ReadWholeFile(path);  // step 1
  ListFile loaded = ReadListFile(std::move(file.bytes), SystemCodePage());  // steps 2, 3
  InstallLoadedList(file, std::move(loaded));                               // step 4
  if (gWebsiteList.listFileUnread) {
    pause.End();
    ShowLoadNotice(UnreadableNotice(path));
    return LoadOutcome::kUnreadable;
  }
  return ShowInstalledList(path, selection, pause);  // step 5
}

}  // namespace

LoadOutcome LoadListFile() {
  return LoadListFile({ListSelection::kEntry, gWebsiteList.currentPosition});
}

LoadOutcome LoadListFile(ListSelection selection) {
  ForgetLoadedFile();
  try {
    // A copy: a notice runs a message loop, in which the user may choose another list.
    return LoadFromPath(std::string(gWebsiteList.listFilePath), selection);
  } catch (const std::bad_alloc&) {
    return ReportOutOfMemory(gWebsiteList.listFilePath);
  }
}
