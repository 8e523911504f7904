// ShowModal, ShowModeless and DismissDialog: the initialisation calls, the modal loop with its
// keyboard handling, owners, the system close command and the end value.
#include <gtest/gtest.h>

#include "dialog_layer/layer_fixture.h"
#include "dialog_layer/window_records.h"

namespace {

constexpr UINT kStart = WM_APP + 1;   // posted during initialisation: the dialog is up
constexpr UINT kSent = WM_APP + 2;    // sent to the dialog during initialisation
constexpr UINT kFinish = WM_APP + 3;  // posted after the input of a test
constexpr UINT kPing = WM_APP + 4;

struct Seen {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool visible;
};

std::vector<Seen> gSeen;
HWND gDialog = nullptr;

void Remember(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  gSeen.push_back({message, wParam, lParam, IsWindowVisible(dialog) != FALSE});
}

std::vector<Seen> SeenOf(UINT message) {
  std::vector<Seen> found;
  for (const Seen& seen : gSeen) {
    if (seen.message == message) found.push_back(seen);
  }
  return found;
}

// Shows a new 200 x 100 dialog modally with the callback and returns its end value.
int32_t RunModal(DialogCallback callback, HWND owner = nullptr, DWORD style = 0) {
  gSeen.clear();
  gDialog = MakeDialog(owner, 10, 10, 200, 100, style);
  int32_t result = 99;
  ShowModal(gDialog, callback, &result);
  EXPECT_FALSE(IsWindow(gDialog)) << "ShowModal returns when the dialog is gone";
  return result;
}

// --- initialisation ----------------------------------------------------------------------

int32_t InitialisationCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Remember(dialog, message, wParam, lParam);
  switch (message) {
    case WM_INITDIALOG:
      SendMessageW(dialog, kSent, 0, 0);
      PostMessageW(dialog, kStart, 0, 0);
      return 0;
    case kStart:
      DismissDialog(dialog, 7);
      return 0;
    default:
      return 0;
  }
}

TEST(ShowModal, InitialisationCallsComeFirstAndOnlyPostedMessagesReachTheCallback) {
  EXPECT_EQ(RunModal(InitialisationCallback), 7);
  ASSERT_GE(gSeen.size(), 2u);
  EXPECT_EQ(gSeen[0].message, static_cast<UINT>(WM_INITDIALOG));
  EXPECT_EQ(gSeen[0].wParam, reinterpret_cast<WPARAM>(gDialog));
  EXPECT_FALSE(gSeen[0].visible);
  EXPECT_EQ(gSeen[1].message, static_cast<UINT>(WM_SIZE));
  EXPECT_EQ(gSeen[1].wParam, static_cast<WPARAM>(SIZE_RESTORED));
  EXPECT_EQ(gSeen[1].lParam, MAKELPARAM(200, 100));
  EXPECT_FALSE(gSeen[1].visible);
  EXPECT_TRUE(SeenOf(kSent).empty()) << "sent before the callback was registered";
  ASSERT_EQ(SeenOf(kStart).size(), 1u);
  EXPECT_TRUE(SeenOf(kStart)[0].visible) << "posted messages arrive once the dialog is shown";
  EXPECT_EQ(SeenOf(WM_INITDIALOG).size(), 1u) << "the platform's WM_INITDIALOG is not passed on";
  EXPECT_EQ(SeenOf(WM_CLOSE).size(), 1u) << "DismissDialog sends WM_CLOSE through the callback";
}

int gInitialisationCalls = 0;

int32_t CountingCallback(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG || message == WM_SIZE) ++gInitialisationCalls;
  return 0;
}

TEST(ShowModal, AWindowWithoutRecordGetsTheTwoCallsAndReturnsAtOnce) {
  WindowGuard plain(MakePlainWindow(0, 0));
  gInitialisationCalls = 0;
  int32_t result = 99;
  ShowModal(plain.window, CountingCallback, &result);
  EXPECT_EQ(gInitialisationCalls, 2);
  EXPECT_EQ(result, 99);
  EXPECT_TRUE(IsWindowEnabled(plain.window));
}

int32_t EndAtOnceCallback(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) DismissDialog(dialog, 8);
  return 0;
}

TEST(ShowModal, DialogEndedDuringInitialisationDeliversItsValueAndLeavesTheOwnerAlone) {
  WindowGuard owner(MakePlainWindow(0, 0));
  EXPECT_EQ(RunModal(EndAtOnceCallback, owner.window), 8);
  EXPECT_TRUE(IsWindowEnabled(owner.window));
}

// --- the system close command ------------------------------------------------------------

struct CloseCase {
  WPARAM command;
  int32_t answer;      // what the callback returns for the command
  LONG_PTR ownResult;  // DWLP_MSGRESULT the callback sets itself (0: none)
  bool staysOpen;
  LRESULT sendResult;  // what the sender of the command gets, when the dialog stays open
};
CloseCase gCloseCase;
bool gOpenAfterClose = false;
LRESULT gCloseSendResult = 0;

int32_t CloseCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Remember(dialog, message, wParam, lParam);
  switch (message) {
    case WM_INITDIALOG:
      PostMessageW(dialog, kStart, 0, 0);
      return 0;
    case kStart:
      gCloseSendResult = SendMessageW(dialog, WM_SYSCOMMAND, gCloseCase.command, 0);
      gOpenAfterClose = IsWindow(dialog) != FALSE;
      if (gOpenAfterClose) DismissDialog(dialog, 3);
      return 0;
    case WM_SYSCOMMAND:
      if (gCloseCase.ownResult) SetWindowLongPtrW(dialog, DWLP_MSGRESULT, gCloseCase.ownResult);
      return gCloseCase.answer;
    default:
      return 0;
  }
}

TEST(ShowModal, SystemCloseCommand) {
  const CloseCase cases[] = {
      {SC_CLOSE, 0, 0, false, 0},      // not handled: ends with 0
      {SC_CLOSE | 2, 0, 0, false, 0},  // the low four bits do not matter
      {SC_CLOSE, 5, 0, true, 5},       // handled: stays open; the answer is the message result
      {SC_CLOSE, 1, 77, true, 77},     // a result the callback set itself is kept
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "command 0x" << std::hex << c.command << " answer " << c.answer);
    gCloseCase = c;
    int32_t result = RunModal(CloseCallback);
    EXPECT_EQ(gOpenAfterClose, c.staysOpen);
    EXPECT_EQ(result, c.staysOpen ? 3 : 0);
    if (c.staysOpen) {
      EXPECT_EQ(gCloseSendResult, c.sendResult);
    }
  }
}

// --- keyboard: accelerators before the dialog manager ------------------------------------

struct KeyCase {
  const char* what;
  bool accelerators;
  WPARAM key;
  WPARAM command;  // the one WM_COMMAND expected
  LPARAM lParam;
};
KeyCase gKeyCase;
bool gOpenAtFinish = false;

void PostKeyPress(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 0x00000001);
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

int32_t KeyCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Remember(dialog, message, wParam, lParam);
  switch (message) {
    case WM_INITDIALOG:
      if (gKeyCase.accelerators) {
        AttachAccelerators(dialog, {{FVIRTKEY, VK_RETURN, 102}, {FVIRTKEY, VK_F1, 205}});
      }
      PostMessageW(dialog, kStart, 0, 0);
      return 0;
    case kStart:
      FocusControl(dialog, IDOK);
      PostKeyPress(GetFocus(), gKeyCase.key);
      PostMessageW(dialog, kFinish, 0, 0);
      return 0;
    case kFinish:
      gOpenAtFinish = IsWindow(dialog) != FALSE;
      DismissDialog(dialog, 1);
      return 0;
    default:
      return 0;
  }
}

int32_t RunKeyDialog() {
  gSeen.clear();
  gDialog = MakeDialog(nullptr, 10, 10, 200, 100, WS_POPUP | WS_CAPTION);
  AddControl(kPushButton, gDialog, IDOK, "OK", 10, 10, 80, 25, BS_DEFPUSHBUTTON, 0);
  AddControl(kPushButton, gDialog, 10, "Other", 100, 10, 80, 25, 0, 0);
  int32_t result = 99;
  ShowModal(gDialog, KeyCallback, &result);
  return result;
}

TEST(ModalLoop, AcceleratorsComeBeforeTheDialogManager) {
  const KeyCase cases[] = {
      {"Enter with an accelerator: the command, not the default button", true, VK_RETURN,
       MAKEWPARAM(102, 1), 0},
      {"F1 with an accelerator", true, VK_F1, MAKEWPARAM(205, 1), 0},
      {"Enter without accelerators presses the default button", false, VK_RETURN, IDOK, -1},
      {"Escape gives IDCANCEL and closes nothing", true, VK_ESCAPE, IDCANCEL, -1},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.what);
    gKeyCase = c;
    EXPECT_EQ(RunKeyDialog(), 1);
    EXPECT_TRUE(gOpenAtFinish);
    std::vector<Seen> commands = SeenOf(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    if (c.lParam == -1) {
      EXPECT_EQ(LOWORD(commands[0].wParam), c.command);
    } else {
      EXPECT_EQ(commands[0].wParam, c.command);
      EXPECT_EQ(commands[0].lParam, c.lParam);
    }
  }
}

// Keys outside text fields: Delete gives the command while a button has the focus, and edits
// the text as usual while a text field has it.
constexpr UINT kInText = WM_APP + 5;
constexpr int kTextFieldId = 20;
std::string gTextAtFinish;

int32_t TextKeysCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Remember(dialog, message, wParam, lParam);
  HWND field = ControlHandle(dialog, kTextFieldId);
  switch (message) {
    case WM_INITDIALOG:
      AttachKeysOutsideText(dialog, {{FVIRTKEY, VK_DELETE, 111}});
      PostMessageW(dialog, kStart, 0, 0);
      return 0;
    case kStart:
      FocusControl(dialog, IDOK);
      PostKeyPress(GetFocus(), VK_DELETE);
      PostMessageW(dialog, kInText, 0, 0);
      return 0;
    case kInText:
      FocusControl(dialog, kTextFieldId);
      SendMessageW(field, EM_SETSEL, 0, 1);
      PostKeyPress(field, VK_DELETE);
      PostMessageW(dialog, kFinish, 0, 0);
      return 0;
    case kFinish:
      gTextAtFinish = GetControlText(field);
      DismissDialog(dialog, 1);
      return 0;
    default:
      return 0;
  }
}

TEST(ModalLoop, KeysOutsideTextActOnlyWhileNoTextFieldHasTheFocus) {
  gSeen.clear();
  gDialog = MakeDialog(nullptr, 10, 10, 200, 100, WS_POPUP | WS_CAPTION);
  AddControl(kPushButton, gDialog, IDOK, "OK", 10, 10, 80, 25, BS_DEFPUSHBUTTON, 0);
  AddControl(kTextBox, gDialog, kTextFieldId, "abc", 10, 50, 80, 25, WS_TABSTOP, 0);
  int32_t result = 99;
  ShowModal(gDialog, TextKeysCallback, &result);
  int commands = 0;
  for (const Seen& seen : SeenOf(WM_COMMAND)) commands += LOWORD(seen.wParam) == 111 ? 1 : 0;
  EXPECT_EQ(commands, 1) << "Delete on the button only";
  EXPECT_EQ(gTextAtFinish, "bc") << "Delete in the text field deletes";
}

// --- WM_QUIT, idle messages and owners ---------------------------------------------------

bool gOwnerDisabledWhileOpen = false;

int32_t QuitCallback(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) PostQuitMessage(0);
  return 0;
}

// Runs on the owner's first WM_ENTERIDLE, which comes only once the queue, WM_QUIT included,
// has been emptied: by then the loop has taken the quit message and gone on.
void EndAfterQuitWasTaken(HWND owner) {
  MSG quit;
  if (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return;
  gOwnerDisabledWhileOpen = !IsWindowEnabled(owner);
  DismissDialog(gDialog, 4);
}

TEST(ModalLoop, QuitMessageDoesNotEndTheLoopAndTheOwnerIsRestoredAfterwards) {
  WindowGuard owner(MakePlainWindow(50, 50));
  gOwnerIdleAction = EndAfterQuitWasTaken;
  gOwnerDisabledWhileOpen = false;
  EXPECT_EQ(RunModal(QuitCallback, owner.window), 4);
  EXPECT_GE(gOwnerIdleCount, 1) << "the owner gets WM_ENTERIDLE while the loop idles";
  EXPECT_TRUE(gOwnerDisabledWhileOpen);
  EXPECT_TRUE(IsWindowEnabled(owner.window));
  EXPECT_EQ(GetFocus(), owner.window);
}

int32_t TimerCallback(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetTimer(dialog, 1, 30, nullptr);
      return 0;
    case WM_TIMER:
      KillTimer(dialog, 1);
      DismissDialog(dialog, 1);
      return 0;
    default:
      return 0;
  }
}

TEST(ModalLoop, NoIdleMessagesForADialogWithDsNoIdleMsg) {
  WindowGuard owner(MakePlainWindow(50, 50));
  EXPECT_EQ(RunModal(TimerCallback, owner.window, WS_POPUP | WS_CAPTION | DS_NOIDLEMSG), 1);
  EXPECT_EQ(gOwnerIdleCount, 0);
}

HWND gOuter = nullptr;
int32_t gInnerResult = 0;
bool gOuterEnabledDuringInner = true;
bool gOuterRestoredAfterInner = false;

int32_t InnerCallback(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      PostMessageW(dialog, kStart, 0, 0);
      return 0;
    case kStart:
      gOuterEnabledDuringInner = IsWindowEnabled(gOuter) != FALSE;
      DismissDialog(dialog, 6);
      return 0;
    default:
      return 0;
  }
}

int32_t OuterCallback(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      PostMessageW(dialog, kStart, 0, 0);
      return 0;
    case kStart: {
      HWND inner = MakeDialog(dialog, 20, 20, 100, 60);
      ShowModal(inner, InnerCallback, &gInnerResult);
      gOuterRestoredAfterInner = IsWindowEnabled(dialog) && GetFocus() == dialog;
      DismissDialog(dialog, 2);
      return 0;
    }
    default:
      return 0;
  }
}

TEST(ModalLoop, NestedModalDialogDisablesItsOwnerUntilItEnds) {
  gInnerResult = 0;
  gOuter = MakeDialog(nullptr, 10, 10, 300, 200, kMainDialogStyle);
  int32_t result = 99;
  ShowModal(gOuter, OuterCallback, &result);
  EXPECT_EQ(gInnerResult, 6);
  EXPECT_FALSE(gOuterEnabledDuringInner);
  EXPECT_TRUE(gOuterRestoredAfterInner);
  EXPECT_EQ(result, 2);
}

// A dialog destroyed without DismissDialog must not leave its owner disabled for good.
int32_t DestroyingCallback(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) PostMessageW(dialog, kStart, 0, 0);
  if (message == kStart) DestroyWindow(dialog);
  return 0;
}

TEST(ModalLoop, OwnerIsEnabledAgainWhenTheDialogIsDestroyedDirectly) {
  WindowGuard owner(MakePlainWindow(50, 50));
  EXPECT_EQ(RunModal(DestroyingCallback, owner.window), 99) << "no end value was given";
  EXPECT_TRUE(IsWindowEnabled(owner.window));
}

// --- modeless dialogs and the end of a dialog --------------------------------------------

int32_t PingCallback(HWND, UINT message, WPARAM, LPARAM) {
  return message == kPing ? 42 : 0;
}

TEST(ShowModeless, ReturnsAtOnceWithTheCallbackRegistered) {
  WindowGuard owner(MakePlainWindow(50, 50));
  size_t before = RecordCount();
  HWND dialog = MakeDialog(owner.window, 10, 10, 200, 100);
  AddControl(kLabel, dialog, 5, "label", 0, 0, 50, 20, 0, 0);
  ShowModeless(dialog, PingCallback);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(IsWindowEnabled(owner.window)) << "a modeless dialog disables nothing";
  EXPECT_EQ(SendMessageW(dialog, kPing, 0, 0), 42);
  DismissDialog(dialog, 1);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(RecordCount(), before);
}

int32_t RedismissingCallback(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      PostMessageW(dialog, kStart, 0, 0);
      return 0;
    case kStart:
      DismissDialog(dialog, 5);
      return 0;
    case WM_CLOSE:
      DismissDialog(dialog, 9);  // a callback that ends its dialog on WM_CLOSE, as many do
      return 0;
    default:
      return 0;
  }
}

TEST(DismissDialog, DismissingAgainFromWmCloseKeepsTheFirstValue) {
  EXPECT_EQ(RunModal(RedismissingCallback), 5);
}

TEST(AttachAccelerators, ReplacesAndDestroysTables) {
  HWND dialog = MakeDialog(nullptr, 0, 0, 100, 100);
  HACCEL first = AttachAccelerators(dialog, {{FVIRTKEY, VK_RETURN, 102}});
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(CopyAcceleratorTableW(first, nullptr, 0), 1);
  HACCEL second = AttachAccelerators(dialog, {{FVIRTKEY, VK_F1, 205}, {FVIRTKEY, VK_F2, 206}});
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(CopyAcceleratorTableW(first, nullptr, 0), 0) << "the first table was destroyed";
  EXPECT_EQ(CopyAcceleratorTableW(second, nullptr, 0), 2);
  DismissDialog(dialog, 0);
  EXPECT_EQ(CopyAcceleratorTableW(second, nullptr, 0), 0) << "destroyed with the dialog";

  WindowGuard other(MakeDialog(nullptr, 0, 0, 100, 100));
  EXPECT_EQ(AttachAccelerators(other.window, {}), nullptr);
  WindowGuard plain(MakePlainWindow(0, 0));
  EXPECT_EQ(AttachAccelerators(plain.window, {{FVIRTKEY, VK_RETURN, 1}}), nullptr);
}

}  // namespace
