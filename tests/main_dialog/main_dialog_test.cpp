// The main dialog in this process: its window and controls as built, the counter that follows
// the main list, the guards of the open action, and what follows a load.
#include "main_dialog/main_dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_dialog/list_loading.h"
#include "support/dialog_script.h"
#include "support/main_caption.h"
#include "support/main_list_host.h"
#include "support/scratch_files.h"

namespace {

std::string TextOf(HWND window) {
  return GetControlText(window);
}

RECT RectInDialog(HWND dialog, HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string CounterOf(HWND dialog) {
  HWND bar = ControlHandle(dialog, kStatusBarId);
  wchar_t text[128] = {};
  SendMessageW(bar, SB_GETTEXTW, kCounterPart - 1, reinterpret_cast<LPARAM>(text));
  return ToUtf8(text);
}

HWND NewMainDialog() {
  ClearProgramState();
  return CreateMainDialog();
}

// The main dialog, hidden, as the main list, with a folder for list files; destroyed at the
// end, and the program's state empty before and after.
struct MainDialogUnderTest {
  ~MainDialogUnderTest() {
    RemoveFolder(folder);
    ClearProgramState();
  }
  // Writes the named list file into the folder and loads it.
  LoadOutcome Load(const std::string& name, const std::string& bytes) {
    std::wstring path = folder + ToWide(name);
    EXPECT_TRUE(WriteFileBytes(path, bytes));
    gWebsiteList.listFilePath = ToUtf8(path);
    return LoadListFile();
  }
  // Loads the entries "http://NAME.example, NAME", 1..n in this order; the main list sorts them.
  void Fill(const std::vector<std::string>& names) {
    std::string bytes;
    for (const std::string& name : names) bytes += "http://" + name + ".example, " + name + "\r\n";
    ASSERT_EQ(Load("list.txt", bytes), LoadOutcome::kLoaded);
  }
  // A list file that is no text file is refused: the entry count becomes 0, the items stay.
  void LoadNotATextFile() {
    NoticeWatcher watcher;
    EXPECT_EQ(Load("list.doc", ""), LoadOutcome::kNotTextFile);
    EXPECT_TRUE(watcher.WaitForCount(1));
  }
  MainListHost host{NewMainDialog()};
  HWND dialog = host.Dialog();
  std::wstring folder = MakeScratchFolder(L"quillet-main");
};

// The main dialog's callback for a dialog shown modeless in a test: everything but the
// initialisation, which would load the default list.
int32_t CallbackAfterInitialisation(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return message == WM_INITDIALOG ? 0 : MainDialogCallback(dialog, message, wParam, lParam);
}

// One step for each list editor expected to open: it waits for an editor it has not closed yet
// and closes it with the close box. An editor that is not expected stays open and fails the
// script.
std::vector<ScriptStep> CloseEditors(int count, std::vector<HWND>& closed) {
  auto newEditor = [&closed] {
    HWND editor = FindWindowWithCaption(ThisThread(), "Add or change websites");
    bool seen = std::find(closed.begin(), closed.end(), editor) != closed.end();
    return seen ? nullptr : editor;
  };
  std::vector<ScriptStep> steps;
  for (int i = 0; i < count; ++i) {
    steps.push_back({"editor open", [newEditor] { return newEditor() != nullptr; },
                     [newEditor, &closed] {
                       closed.push_back(newEditor());
                       PostMessageW(closed.back(), WM_SYSCOMMAND, SC_CLOSE, 0);
                     }});
  }
  return steps;
}

TEST(MainDialogWindow, IsATopLevelWindowOfFixedSizeAtTwoTwo) {
  MainDialogUnderTest main;
  EXPECT_EQ(TextOf(main.dialog), kMainCaption);
  EXPECT_EQ(GetWindow(main.dialog, GW_OWNER), nullptr);
  RECT client = {};
  GetClientRect(main.dialog, &client);
  EXPECT_EQ(client.right, 310);
  EXPECT_EQ(client.bottom, 350);
  RECT frame = {};
  GetWindowRect(main.dialog, &frame);
  EXPECT_EQ(frame.left, 2);
  EXPECT_EQ(frame.top, 2);
  LONG style = GetWindowLongW(main.dialog, GWL_STYLE);
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME),
            WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME);
  EXPECT_EQ(style & (WS_POPUP | WS_CHILD | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_EQ(GetWindowLongW(main.dialog, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST(MainDialogWindow, HasItsSixControlsAsBuilt) {
  MainDialogUnderTest main;
  struct Expected {
    int id;
    const wchar_t* windowClass;
    const char* text;
    RECT rect;
    LONG style;
  };
  constexpr LONG kChild = WS_CHILD | WS_VISIBLE;
  const Expected controls[] = {
      // The main list's bottom edge: see below.
      {kMainListId, L"ListBox", "", {5, 10, 305, 290}, kChild | LBS_NOTIFY | kMainListStyle},
      {kShowItButtonId, L"Button", "ShowIt", {5, 290, 100, 320}, kChild | WS_TABSTOP},
      {kAnotherListButtonId, L"Button", "Another List", {110, 290, 205, 320}, kChild | WS_TABSTOP},
      {kChangeListButtonId, L"Button", "Change List", {210, 290, 305, 320}, kChild | WS_TABSTOP},
      {kHelpLabelId, L"Static", " F1-Help", {2, 335, 47, 351}, kChild | SS_NOTIFY},
  };
  for (const Expected& e : controls) {
    HWND control = ControlHandle(main.dialog, e.id);
    ASSERT_TRUE(control) << e.id;
    EXPECT_EQ(ClassOf(control), e.windowClass) << e.id;
    EXPECT_EQ(TextOf(control), e.text) << e.id;
    RECT rect = RectInDialog(main.dialog, control);
    if (e.id == kMainListId) {
      // The list keeps to whole items: it may end up to one item height short of 280.
      LRESULT itemHeight = SendMessageW(control, LB_GETITEMHEIGHT, 0, 0);
      EXPECT_GT(rect.bottom, e.rect.bottom - itemHeight);
      rect.bottom = e.rect.bottom;
    }
    EXPECT_TRUE(EqualRect(&rect, &e.rect))
        << e.id << ": " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    EXPECT_EQ(GetWindowLongW(control, GWL_STYLE), e.style) << e.id;
    EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0) << e.id;
  }
  // The status bar lies along the bottom edge, under the help label.
  HWND bar = ControlHandle(main.dialog, kStatusBarId);
  ASSERT_TRUE(bar);
  EXPECT_EQ(ClassOf(bar), L"msctls_statusbar32");
  RECT barRect = RectInDialog(main.dialog, bar);
  EXPECT_EQ(barRect.bottom, 350);
  EXPECT_EQ(barRect.right, 310);
  EXPECT_EQ(GetWindow(ControlHandle(main.dialog, kHelpLabelId), GW_HWNDNEXT), bar)
      << "the label is created before the bar";
}

TEST(MainDialogWindow, StatusBarHasAHelpPartAndACounterPart) {
  MainDialogUnderTest main;
  HWND bar = ControlHandle(main.dialog, kStatusBarId);
  int edges[4] = {};
  ASSERT_EQ(SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 79);
  EXPECT_EQ(edges[1], 9998);
  wchar_t help[32] = {};
  LRESULT lengthAndStyle = SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(help));
  EXPECT_EQ(ToUtf8(help), " F1-Help");
  EXPECT_EQ(HIWORD(lengthAndStyle), 0) << "drawing style 0";
  EXPECT_EQ(CounterOf(main.dialog), "");
}

TEST(MainDialogWindow, TabVisitsTheListAndTheThreeButtonsOnly) {
  MainDialogUnderTest main;
  ShowWindow(main.dialog, SW_SHOWNOACTIVATE);
  std::vector<int> visited;
  HWND control = ControlHandle(main.dialog, kMainListId);
  for (int i = 0; i < 4; ++i) {
    control = GetNextDlgTabItem(main.dialog, control, FALSE);
    visited.push_back(GetDlgCtrlID(control));
  }
  EXPECT_EQ(visited, (std::vector<int>{kShowItButtonId, kAnotherListButtonId, kChangeListButtonId,
                                       kMainListId}));
}

TEST(MainListCounter, FollowsTheSelectionInTheOrdinaryForm) {
  MainDialogUnderTest main;
  main.Fill({"cherry", "apple", "banana", "date"});
  ListSelect(main.dialog, kMainListId, 3);
  OnMainListNotification(main.dialog, LBN_SELCHANGE);
  EXPECT_EQ(gWebsiteList.currentPosition, 3);
  EXPECT_EQ(CounterOf(main.dialog), "Website: 3 of 4");

  SendMessageW(main.host.List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  OnMainListNotification(main.dialog, LBN_KILLFOCUS);
  EXPECT_EQ(gWebsiteList.currentPosition, 0);
  EXPECT_EQ(CounterOf(main.dialog), "Website: 0 of 4");

  // The items of a refused file stay on show with a count of 0.
  main.LoadNotATextFile();
  ListSelect(main.dialog, kMainListId, 2);
  OnMainListNotification(main.dialog, LBN_SELCHANGE);
  EXPECT_EQ(CounterOf(main.dialog), "Website: 2 of 0");
}

TEST(OpenAction, ReadsTheEntryOfTheSelectedPosition) {
  MainDialogUnderTest main;
  main.Fill({"cherry", "apple", "banana"});  // sorted: apple (2), banana (3), cherry (1)
  for (int position = 1; position <= 3; ++position) {
    ListSelect(main.dialog, kMainListId, position);
    OnMainListNotification(main.dialog, LBN_SELCHANGE);
    std::optional<std::string_view> url = SelectedEntryUrl(main.dialog);
    ASSERT_TRUE(url) << position;
    EXPECT_EQ(*url, "http://" + ListItemText(main.dialog, kMainListId, position) + ".example");
  }
}

TEST(OpenAction, FindsNothingOutsideTheList) {
  MainDialogUnderTest main;
  main.Fill({"cherry", "apple", "banana"});
  for (int32_t position : {0, -1, 4, INT32_MAX, INT32_MIN}) {
    gWebsiteList.currentPosition = position;
    EXPECT_FALSE(SelectedEntryUrl(main.dialog)) << "position " << position;
  }
  gWebsiteList.currentPosition = 2;
  for (int32_t entry : {0, -1, 4, 1000}) {
    ListSetItemData(main.dialog, kMainListId, 2, entry);
    EXPECT_FALSE(SelectedEntryUrl(main.dialog)) << "item value " << entry;
  }
  ListSetItemData(main.dialog, kMainListId, 2, 1);
  main.LoadNotATextFile();  // a refused load hides the arrays
  EXPECT_FALSE(SelectedEntryUrl(main.dialog));
}

TEST(OpenAction, RefusesAnEntryThatIsNotAWebAddress) {
  MainDialogUnderTest main;
  ASSERT_EQ(main.Load("list.txt", "http:\\\\server\\share\\tool.exe, tool\r\n"),
            LoadOutcome::kLoaded);
  NoticeWatcher watcher;
  OpenSelectedEntry(main.dialog);
  ASSERT_TRUE(watcher.WaitForCount(1));
  SeenNotice notice = watcher.Notices()[0];
  EXPECT_EQ(notice.caption, "Not a web address");
  EXPECT_EQ(notice.icon, static_cast<UINT>(MB_ICONWARNING));
  EXPECT_NE(notice.text.find("http:\\\\server\\share\\tool.exe"), std::string::npos);
}

struct LoadCase {
  const char* name;
  std::string bytes;  // written to the list file unless holdOpen says otherwise
  bool exists;
  bool holdOpen;  // held open without sharing by the test: exists but cannot be read
  bool loaded;
  std::vector<std::string> notices;
  int editors;
};

void CheckLoad(const LoadCase& c) {
  SCOPED_TRACE(c.name);
  MainDialogUnderTest main;
  ShowModeless(main.dialog, CallbackAfterInitialisation);  // "Change List" must reach it
  std::wstring path = main.folder + ToWide(c.name) + L".txt";
  if (c.exists) {
    ASSERT_TRUE(WriteFileBytes(path, c.bytes));
  }
  HeldFile held(c.holdOpen ? path : L"");
  gWebsiteList.listFilePath = ToUtf8(path);
  NoticeWatcher watcher;
  std::vector<HWND> editorsClosed;
  StartScript(CloseEditors(c.editors, editorsClosed));
  bool loaded = LoadListAndReport(main.dialog);
  bool allSeen = watcher.WaitForCount(c.notices.size());
  std::string scriptFailure = FinishScript();
  held.Release();

  ASSERT_TRUE(allSeen);
  EXPECT_EQ(scriptFailure, "");
  EXPECT_EQ(loaded, c.loaded);
  std::vector<SeenNotice> seen = watcher.Notices();
  ASSERT_EQ(seen.size(), c.notices.size());
  for (size_t i = 0; i < seen.size(); ++i) {
    if (c.notices[i] != "*") {
      EXPECT_EQ(seen[i].text, c.notices[i]);
    }
  }
  if (!seen.empty() && c.notices.back() == "File has no content") {
    ExpectNotice(seen.back(), "File has no content", MB_ICONINFORMATION);
  }
  EXPECT_EQ(editorsClosed.size(), static_cast<size_t>(c.editors));
}

TEST(LoadAndReport, TellsAndOpensTheEditorOnlyWhenThereIsNothingToShow) {
  const LoadCase cases[] = {
      {"entries", "http://a.example, A\r\n", true, false, true, {}, 0},
      {"no entry lines",
       "# nothing\r\n",
       true,
       false,
       false,
       {"File contains no websites", "File has no content"},
       1},
      {"missing", "", false, false, false, {"File contains no websites", "File has no content"}, 1},
      {"unreadable", "http://a.example, A\r\n", true, true, false, {"*"}, 0},
  };
  for (const LoadCase& c : cases) CheckLoad(c);
}

}  // namespace
