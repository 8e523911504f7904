// Loading a list file into the website list and the main list.
#include "list/list_file.h"

#include <algorithm>
#include <new>
#include <utility>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file_access.h"
#include "list/list_file_text.h"
#include "list/list_format.h"
#include "list/list_parse.h"
#include "list/main_list.h"
#include "list/main_list_fill.h"
#include "list/website_list.h"

namespace {

// Room after the widest text, so that its last character is not flush with the edge.
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

std::string OutOfMemoryNotice(const std::string& path) {
  return "There is not enough memory to load the list file:\n" + path;
}

// The current position names an entry to select, unless the latest normalisation found
// duplicates: then it is a position already. Clamped to the list.
int32_t PositionToSelect(int32_t entryCount, int32_t positionOfNamedEntry) {
  int32_t candidate = gWebsiteList.currentPosition;
  if (gWebsiteList.duplicateTally == 0 && positionOfNamedEntry > 0) {
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
  gWebsiteList.entries = EntryStore();
  gWebsiteList.entryCount = 0;
  gWebsiteList.listFileUnread = true;
  ShowLoadNotice(OutOfMemoryNotice(path));
  return LoadOutcome::kUnreadable;
}

// A list with characters that the code page cannot hold is shown as far as it goes, and
// nothing may be saved over its file (the save says why).
LoadOutcome ReportInexact(const std::string& path, LoadOutcome outcome) {
  ShowLoadNotice(InexactNotice(path));
  return outcome;
}

// Reads, fills and selects. Throws std::bad_alloc when the list does not fit in memory.
LoadOutcome LoadFromPath(const std::string& path) {
  if (!HasTextExtension(path)) {
    ShowLoadNotice("Selected file is not a text file");
    return LoadOutcome::kNotTextFile;
  }
  MainListDrawingPause pause;
  ListReset(gMainList.dialog, kMainListId);
  gWebsiteList.entries = EntryStore();  // the earlier list goes before the next one is read
  FileRead file = ReadWholeFile(path);
  gWebsiteList.loadedFile = file.stamp;
  if (file.status == FileReadStatus::kUnreadable) {
    pause.End();
    gWebsiteList.listFileUnread = true;
    ShowLoadNotice(UnreadableNotice(path));
    return LoadOutcome::kUnreadable;
  }
  ListFileText text = ListFileTextOf(std::move(file.bytes));
  gWebsiteList.listFileForm = text.form;
  gWebsiteList.listFileInexact = !text.exact;
  int32_t entryCount = ParseListBytes(std::move(text.bytes), gWebsiteList.entries);
  FilledList filled = FillMainList(entryCount, gWebsiteList.currentPosition);
  gWebsiteList.entryCount = entryCount;
  if (entryCount == 0) {
    pause.End();
    // Not offered for editing either: saving would replace what could not be shown.
    if (!text.exact) return ReportInexact(path, LoadOutcome::kUnreadable);
    ShowLoadNotice("File contains no websites");
    return LoadOutcome::kNoWebsites;
  }
  ListSetScrollWidth(gMainList.dialog, kMainListId, filled.widest + kScrollWidthMargin);
  SelectLoadedPosition(PositionToSelect(entryCount, filled.soughtPosition));
  if (text.exact) return LoadOutcome::kLoaded;
  pause.End();
  return ReportInexact(path, LoadOutcome::kLoaded);
}

}  // namespace

LoadOutcome LoadListFile() {
  gWebsiteList.entryCount = 0;
  gWebsiteList.listFileUnread = false;
  gWebsiteList.listFileForm = ListFileForm::kPlain;
  gWebsiteList.listFileInexact = false;
  gWebsiteList.loadedFile = FileStamp();
  try {
    // A copy: a notice runs a message loop, in which the user may choose another list.
    return LoadFromPath(std::string(gWebsiteList.listFilePath));
  } catch (const std::bad_alloc&) {
    return ReportOutOfMemory(gWebsiteList.listFilePath);
  }
}
