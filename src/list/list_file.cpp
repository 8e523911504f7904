// Loading a list file into the website list and the main list, and measuring display texts
// as the main list draws them.
#include "list/list_file.h"

#include <algorithm>
#include <new>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file_access.h"
#include "list/list_format.h"
#include "list/list_parse.h"
#include "list/main_list.h"
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

// Keeps the main list's font selected into its device context while it lives, so that a
// whole list is measured with one selection. Without a font of its own, the device context's
// current font is measured.
struct MainListFontSelection {
  HGDIOBJ previousFont = nullptr;

  MainListFontSelection() {
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(gMainList.list, WM_GETFONT, 0, 0));
    if (font && gMainList.deviceContext) previousFont = SelectObject(gMainList.deviceContext, font);
  }
  ~MainListFontSelection() {
    if (previousFont) SelectObject(gMainList.deviceContext, previousFont);
  }
  MainListFontSelection(const MainListFontSelection&) = delete;
  MainListFontSelection& operator=(const MainListFontSelection&) = delete;
};

int MeasureWithSelectedFont(std::string_view text) {
  SIZE extent = {0, 0};
  if (!GetTextExtentPoint32A(gMainList.deviceContext, text.data(), static_cast<int>(text.size()),
                             &extent)) {
    return 0;
  }
  return extent.cx;
}

struct FilledList {
  int widest = 0;              // the widest display text in pixels
  int32_t soughtPosition = 0;  // where the sought entry stands; 0 when no entry has its number
};

// Adds one item per entry, each carrying its entry number. Keeps track of where the sought
// entry stands: an item added at or above it moves it down by one.
FilledList FillMainList(int32_t entryCount, int32_t soughtEntry) {
  MainListFontSelection selection;
  FilledList filled;
  for (int32_t entry = 1; entry <= entryCount; ++entry) {
    std::string shown(DisplayText(EntryUrl(gWebsiteList, entry), EntryName(gWebsiteList, entry)));
    filled.widest = std::max(filled.widest, MeasureWithSelectedFont(shown));
    int position = ListAddItem(gMainList.dialog, kMainListId, shown);
    if (position < 1) continue;  // the list is out of memory: the entry gets no item
    ListSetItemData(gMainList.dialog, kMainListId, position, entry);
    if (entry == soughtEntry) {
      filled.soughtPosition = position;
    } else if (filled.soughtPosition > 0 && position <= filled.soughtPosition) {
      ++filled.soughtPosition;
    }
  }
  return filled;
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

// Reads the file's entries into the website list's arrays (none for a missing file). False
// when the file exists but could not be read whole, or its entries do not fit in memory.
bool ReadEntries(const std::string& path, int32_t& entryCount) {
  FileRead file = ReadWholeFile(path);
  if (file.status == FileReadStatus::kUnreadable) return false;
  try {
    entryCount = ParseListBytes(file.bytes, gWebsiteList.urls, gWebsiteList.names);
  } catch (const std::bad_alloc&) {
    gWebsiteList.urls = std::vector<std::string>();
    gWebsiteList.names = std::vector<std::string>();
    return false;
  }
  return true;
}

}  // namespace

int MeasureTextWidth(const std::string& text) {
  MainListFontSelection selection;
  return MeasureWithSelectedFont(text);
}

LoadOutcome LoadListFile() {
  const std::string path = gWebsiteList.listFilePath;
  gWebsiteList.entryCount = 0;
  gWebsiteList.listFileUnread = false;
  if (!HasTextExtension(path)) {
    ShowLoadNotice("Selected file is not a text file");
    return LoadOutcome::kNotTextFile;
  }
  ListReset(gMainList.dialog, kMainListId);
  int32_t entryCount = 0;
  if (!ReadEntries(path, entryCount)) {
    gWebsiteList.listFileUnread = true;
    ShowLoadNotice(UnreadableNotice(path));
    return LoadOutcome::kUnreadable;
  }
  FilledList filled = FillMainList(entryCount, gWebsiteList.currentPosition);
  gWebsiteList.entryCount = entryCount;
  if (entryCount == 0) {
    ShowLoadNotice("File contains no websites");
    return LoadOutcome::kNoWebsites;
  }
  ListSetScrollWidth(gMainList.dialog, kMainListId, filled.widest + kScrollWidthMargin);
  SelectLoadedPosition(PositionToSelect(entryCount, filled.soughtPosition));
  return LoadOutcome::kLoaded;
}
