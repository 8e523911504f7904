// Dialog services: status-bar parts and texts, notices and the open-file dialog.
#include <gtest/gtest.h>

#include "dialog_layer/layer_fixture.h"
#include "support/dialog_script.h"

#include <dlgs.h>  // control ids of the common dialogs; needs windows.h first

namespace {

constexpr int kStatusId = 204;

TEST(StatusBar, PartsEndOnePixelBeforeTheGivenEdges) {
  WindowGuard dialog(MakeDialog(nullptr, 0, 0, 310, 350, kMainDialogStyle));
  AddControl(kStatusBar, dialog.window, kStatusId, "", 0, 0, 0, 0, 0, 0);
  SetStatusParts(dialog.window, kStatusId, {200, 9999});
  HWND bar = ControlHandle(dialog.window, kStatusId);
  int edges[4] = {};
  ASSERT_EQ(SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 199);
  EXPECT_EQ(edges[1], 9998);
  RECT first = {};
  ASSERT_TRUE(SendMessageW(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&first)));
  EXPECT_EQ(first.right, 199);
}

TEST(StatusBar, TextGoesToThePartCountedFromOneWithItsDrawingStyle) {
  struct Case {
    int part;
    int style;
    const char* text;
    int platformPart;
    const wchar_t* shown;
  };
  const Case cases[] = {
      {1, 0, " F1-Help", 0, L" F1-Help"},
      {2, SBT_POPOUT, "Website: 3 of 7", 1, L"Website: 3 of 7"},
      {2, SBT_NOBORDERS, "caf\xC3\xA9", 1, L"caf\u00E9"},
  };
  WindowGuard dialog(MakeDialog(nullptr, 0, 0, 310, 350, kMainDialogStyle));
  AddControl(kStatusBar, dialog.window, kStatusId, "", 0, 0, 0, 0, 0, 0);
  SetStatusParts(dialog.window, kStatusId, {200, 9999});
  HWND bar = ControlHandle(dialog.window, kStatusId);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SetStatusText(dialog.window, kStatusId, c.part, c.style, c.text);
    wchar_t shown[64] = {};
    LRESULT lengthAndStyle =
        SendMessageW(bar, SB_GETTEXTW, c.platformPart, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, c.shown);
    EXPECT_EQ(HIWORD(lengthAndStyle), c.style);
  }
}

// --- notices -----------------------------------------------------------------------------

TEST(ShowNotice, ReturnsTheButtonPressedAndShowsTheDefaultCaptionForAnEmptyOne) {
  struct Case {
    const char* text;
    UINT style;
    const char* caption;
    int answer;
    const char* shownCaption;
    UINT icon;
  };
  const Case cases[] = {
      {"Do you want to save this data?", MB_YESNOCANCEL | MB_ICONQUESTION, "", IDNO, "Quillet",
       MB_ICONQUESTION},
      {"File has no content", MB_OK | MB_ICONINFORMATION, "", IDOK, "Quillet", MB_ICONINFORMATION},
      {"Caf\xC3\xA9 list is missing", MB_OK | MB_ICONERROR, "File not found", IDOK,
       "File not found", MB_ICONERROR},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    NoticeWatcher watcher({c.answer});
    EXPECT_EQ(ShowNotice(c.text, c.style, c.caption), c.answer);
    ASSERT_TRUE(watcher.WaitForCount(1));
    std::vector<SeenNotice> seen = watcher.Notices();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, c.text);
    EXPECT_EQ(seen[0].caption, c.shownCaption);
    EXPECT_EQ(seen[0].icon, c.icon);
  }
}

constexpr UINT kPing = WM_APP + 10;
bool gInNotice = false;
bool gPingDuringNotice = false;
bool gEnabledAtPing = false;

int32_t PingCallback(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != kPing) return 0;
  gPingDuringNotice = gInNotice;
  gEnabledAtPing = IsWindowEnabled(dialog) != FALSE;
  return 1;
}

TEST(ShowNotice, DialogsBehindTheNoticeKeepTakingMessages) {
  WindowGuard dialog(MakeDialog(nullptr, 0, 0, 200, 100, kMainDialogStyle));
  ShowModeless(dialog.window, PingCallback);
  NoticeWatcher watcher;
  // Posted before the box opens, so the box's own loop delivers it before the watcher's answer.
  PostMessageW(dialog.window, kPing, 0, 0);
  gInNotice = true;
  ShowNotice("Busy", MB_OK, "");
  gInNotice = false;
  EXPECT_TRUE(gPingDuringNotice);
  EXPECT_TRUE(gEnabledAtPing) << "a notice has no owner and disables nothing";
}

// --- the open-file dialog ----------------------------------------------------------------

// What the script saw of the open-file dialog before it answered it.
struct FileDialogView {
  bool found = false;
  RECT frame = {};
  std::wstring title;
  int filterCount = 0;
  std::wstring firstFilter;
  std::wstring fileName;
};
FileDialogView gView;

constexpr char kFileDialogTitle[] = "Pick a list";

std::wstring TextOfItem(HWND dialog, int id) {
  wchar_t text[MAX_PATH] = {};
  GetDlgItemTextW(dialog, id, text, MAX_PATH);
  return text;
}

void ReadFileDialog(HWND dialog) {
  gView.found = true;
  GetWindowRect(dialog, &gView.frame);
  wchar_t title[64] = {};
  GetWindowTextW(dialog, title, 64);
  gView.title = title;
  constexpr int kFileTypeCombo = cmb1;
  gView.filterCount =
      static_cast<int>(SendDlgItemMessageW(dialog, kFileTypeCombo, CB_GETCOUNT, 0, 0));
  wchar_t first[64] = {};
  SendDlgItemMessageW(dialog, kFileTypeCombo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
  gView.firstFilter = first;
  // The file-name combo box of the Explorer-style dialog, else the plain file-name edit box.
  gView.fileName = TextOfItem(dialog, cmb13);
  if (gView.fileName.empty()) gView.fileName = TextOfItem(dialog, edt1);
}

HWND OpenFileDialog() {
  return FindWindowWithCaption(ThisThread(), kFileDialogTitle);
}

// Shows the open-file dialog; once it is open, reads it into gView and answers it.
OpenFileChoice RunOpenFile(HWND owner, int x, int y, const std::string& startName, UINT answer) {
  gView = FileDialogView();
  StartScript({{"open-file dialog open", [] { return OpenFileDialog() != nullptr; },
                [answer] {
                  ReadFileDialog(OpenFileDialog());
                  PostMessageW(OpenFileDialog(), WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
                }}});
  OpenFileChoice choice =
      ChooseOpenFile(owner, x, y, kFileDialogTitle, "",
                     {{"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}}, startName,
                     "txt", OFN_LONGNAMES | OFN_HIDEREADONLY);
  EXPECT_EQ(FinishScript(), "");
  return choice;
}

TEST(ChooseOpenFile, CancelledGivesNothingAndThePlacementFollowsTheOwner) {
  WindowGuard owner(MakeDialog(nullptr, 120, 90, 310, 350, kMainDialogStyle));
  ShowModeless(owner.window, nullptr);
  RECT ownerFrame = WindowRectOf(owner.window);
  RECT area = WorkArea();
  struct Case {
    const char* what;
    HWND owner;
    int x;
    int y;
    POINT expected;  // top-left corner; (-1, -1): centred on the work area
  };
  const Case cases[] = {
      {"default: 30 right of and below the owner's corner",
       owner.window,
       kDefaultPlacement,
       kDefaultPlacement,
       {ownerFrame.left + 30, ownerFrame.top + 30}},
      {"offset from the owner's corner",
       owner.window,
       15,
       25,
       {ownerFrame.left + 15, ownerFrame.top + 25}},
      {"screen position without owner", nullptr, 40, 60, {40, 60}},
      {"default without owner: centred", nullptr, kDefaultPlacement, kDefaultPlacement, {-1, -1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    OpenFileChoice choice = RunOpenFile(c.owner, c.x, c.y, "start.txt", IDCANCEL);
    EXPECT_EQ(choice.path, "");
    EXPECT_EQ(choice.count, 0);
    ASSERT_TRUE(gView.found);
    POINT expected = c.expected;
    if (expected.x == -1) {
      expected = {(area.left + area.right - (gView.frame.right - gView.frame.left)) / 2,
                  (area.top + area.bottom - (gView.frame.bottom - gView.frame.top)) / 2};
    }
    EXPECT_EQ(gView.frame.left, expected.x);
    EXPECT_EQ(gView.frame.top, expected.y);
  }
  EXPECT_EQ(gView.title, L"Pick a list");
  EXPECT_EQ(gView.filterCount, 2) << "both filter pairs arrive";
  EXPECT_EQ(gView.firstFilter, L"Text Files (*.txt)");
  EXPECT_EQ(gView.fileName, L"start.txt");
}

TEST(ChooseOpenFile, ChosenFileGivesItsPathAndACountOfOne) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  std::wstring path = std::wstring(folder) + L"quillet layer pick.txt";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  std::string narrowPath = ToUtf8(path);
  wchar_t before[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, before);

  OpenFileChoice choice = RunOpenFile(nullptr, 10, 10, narrowPath, IDOK);
  DeleteFileW(path.c_str());
  EXPECT_EQ(choice.count, 1);
  EXPECT_EQ(lstrcmpiA(choice.path.c_str(), narrowPath.c_str()), 0) << choice.path;
  wchar_t after[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, after);
  EXPECT_STREQ(after, before) << "the current directory is left alone";
}

}  // namespace
