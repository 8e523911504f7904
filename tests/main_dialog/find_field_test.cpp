// Finding a website in the real main dialog, shown modally, in one pass through the keys as the
// dialog's own loop receives them: F3 opens the find field, typing, a paste and deleting update
// the main list at once, the list keys move the selection while the typing stays in the field,
// Enter opens the selected match under the open action's rules, "Change List" edits the whole
// list, and Escape brings it back with the match last selected still selected.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "dialogs/list_editor.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_dialog/find_field.h"
#include "main_dialog/main_dialog.h"
#include "main_dialog/main_dialog_text.h"
#include "support/clipboard.h"
#include "support/dialog_script.h"
#include "support/main_list_host.h"
#include "support/scratch_files.h"

namespace {

using Texts = std::vector<std::string>;

// Three websites, one entry that is no web address, and 24 "Site NN".
std::string ListBytes() {
  std::string bytes =
      "http://cafe.example, Caf\xC3\xA9 M\xC3\xBCller\r\nhttp://house.example, House in Black\r\n"
      "https://www.metoffice.gov.uk, Met Office\r\nhttp:\\\\files\\archive.exe, Files archive\r\n";
  for (int n = 10; n <= 33; ++n)
    bytes += "http://www.example.org/" + std::to_string(n) + ", Site\r\n";
  return bytes;
}
constexpr int kWholeCount = 28;

// Everything but the deferred load, which would load the default list.
int32_t CallbackWithoutDefaultList(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return message == kDeferredLoadMessage ? 0 : MainDialogCallback(dialog, message, wParam, lParam);
}

// Keys go where the user's keys go: to the window with the focus, through the dialog's loop.
void Press(UINT key) {
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
}
void Type(const std::string& text) {
  for (wchar_t c : ToWide(text)) PostMessageW(GetFocus(), WM_CHAR, c, 1);
}

TEST(FindField, OnePassThroughTheKeys) {
  ClearProgramState();
  MainListHost host(CreateMainDialog());
  const HWND dialog = host.Dialog();
  std::wstring folder = MakeScratchFolder(L"quillet-find");
  ASSERT_TRUE(WriteFileBytes(folder + L"list.txt", ListBytes()));
  gWebsiteList.listFilePath = ToUtf8(folder + L"list.txt");
  ASSERT_EQ(LoadListFile(), LoadOutcome::kLoaded);
  auto items = [dialog] {
    Texts texts;
    for (int p = 1; p <= ListCount(dialog, kMainListId); ++p) {
      texts.push_back(ListItemText(dialog, kMainListId, p));
    }
    return texts;
  };
  auto listTop = [dialog] {
    RECT rect = {};
    GetWindowRect(ControlHandle(dialog, kMainListId), &rect);
    return rect.top;
  };
  auto counter = [dialog] {
    wchar_t text[128] = {};
    SendDlgItemMessageW(dialog, kStatusBarId, SB_GETTEXTW, kCounterPart - 1,
                        reinterpret_cast<LPARAM>(text));
    return ToUtf8(text);
  };
  const HWND list = ControlHandle(dialog, kMainListId);
  const Texts whole = items();
  const LONG restTop = listTop();
  HWND field = nullptr;
  auto retype = [&field](const std::string& text) {
    SendMessageW(field, EM_SETSEL, 0, -1);
    Type(text);
  };
  auto itemsAre = [items](Texts texts) { return [items, texts] { return items() == texts; }; };
  // The selection moved in the list, the focus and the typing left in the field.
  auto selectedIs = [&, dialog](int position) {
    return [&, dialog, position] {
      return ListSelected(dialog, kMainListId) == position && GetFocus() == field &&
             counter() == "Website: " + std::to_string(position) + " of 24" &&
             GetControlText(field) == "site";
    };
  };
  NoticeWatcher notices;
  std::string editedText;
  // Each step acts once the one before has been seen to take effect.
  StartScript({
      {"F3 opens the field", nullptr, [] { Press(VK_F3); }},
      {"typing finds", [&] { return (field = GetFocus()) == ControlHandle(dialog, kFindFieldId); },
       [&] {
         EXPECT_GT(listTop(), restTop) << "the list gives up room for the field";
         HWND label = GetWindow(field, GW_HWNDPREV);
         EXPECT_EQ(GetControlText(label), kFindLabelText) << "the field's accessible name";
         Type("CAFE mull");
       }},
      {"a paste finds", itemsAre({"Caf\xC3\xA9 M\xC3\xBCller"}),
       [&] {
         EXPECT_EQ(counter(), "Website: 1 of 1");
         ASSERT_TRUE(PutOnClipboard(L"site"));
         SendMessageW(field, EM_SETSEL, 0, -1);
         PostMessageW(field, WM_PASTE, 0, 0);
       }},
      {"End, Up", selectedIs(1),
       [] {
         Press(VK_END);
         Press(VK_UP);
       }},
      {"Home, Down", selectedIs(23),
       [] {
         Press(VK_HOME);
         Press(VK_DOWN);
       }},
      {"Page Down", selectedIs(2), [] { Press(VK_NEXT); }},
      {"Page Up", [&] { return ListSelected(dialog, kMainListId) > 5; }, [] { Press(VK_PRIOR); }},
      {"deleting finds",
       [&] { return ListSelected(dialog, kMainListId) < 5 && GetControlText(field) == "site"; },
       [] { Type("\b\b\b\b"); }},
      {"nothing found", itemsAre(whole), [&] { retype("zzz"); }},
      {"Enter opens nothing", [&] { return counter() == kNoMatchText; },
       [&] {
         EXPECT_EQ(gWebsiteList.currentPosition, 0);
         Press(VK_RETURN);
         retype("black house");
       }},
      {"Enter opens the match", itemsAre({"House in Black"}),
       [&] {
         EXPECT_EQ(notices.Notices().size(), 0u) << "Enter with no match opened nothing";
         retype("files");
         Press(VK_RETURN);
       }},
      {"Change List edits every website",
       [&] { return notices.Notices().size() == 1 && OpenNotices(ThisThread()).empty(); },
       [&] {
         EXPECT_NE(notices.Notices()[0].text.find("http:\\\\files\\archive.exe"),
                   std::string::npos);
         retype("site");
         ClickButton(dialog, kChangeListButtonId);
       }},
      {"the editor closes",
       [] { return FindWindowWithCaption(ThisThread(), kListEditorCaption) != nullptr; },
       [&] {
         HWND editor = FindWindowWithCaption(ThisThread(), kListEditorCaption);
         editedText = GetControlText(GetDlgItem(editor, kListEditorEditId));
         PostMessageW(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
       }},
      {"F3 again", [&] { return IsWindowEnabled(dialog) && !IsWindowVisible(field); },
       [] { Press(VK_F3); }},
      {"typing again", [&] { return GetFocus() == field; }, [] { Type("files"); }},
      {"Escape", itemsAre({"Files archive"}), [] { Press(VK_ESCAPE); }},
      {"the whole list is back", [&] { return !IsWindowVisible(field); },
       [&] {
         int selected = ListSelected(dialog, kMainListId);
         EXPECT_EQ(items(), whole);
         EXPECT_EQ(listTop(), restTop);
         EXPECT_EQ(ListItemText(dialog, kMainListId, selected), "Files archive");
         EXPECT_EQ(gWebsiteList.currentPosition, selected);
         EXPECT_EQ(counter(), "Website: " + std::to_string(selected) + " of 28");
         EXPECT_TRUE(GetFocus() == list && GetControlText(field).empty());
         DismissDialog(dialog, 0);
       }},
  });
  ShowModal(dialog, CallbackWithoutDefaultList, nullptr);
  EXPECT_EQ(FinishScript(), "");
  EXPECT_EQ(std::count(editedText.begin(), editedText.end(), '\n'), kWholeCount)
      << "every website, not the matches";
  RemoveFolder(folder);
  ClearProgramState();
}

}  // namespace
