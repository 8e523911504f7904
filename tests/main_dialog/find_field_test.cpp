// Finding a website in the real main dialog, shown modally, in one pass through the keys as the
// dialog's own loop receives them: F3 opens the find field, typing, a paste and deleting update
// the main list at once, the list keys move the selection while the typing stays in the field,
// Enter opens the selected match under the open action's rules, "Change List" edits the whole
// list, and Escape brings it back with the match last selected still selected.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
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

// Six websites named in several scripts (one of them no web address) and 24 "Site NN".
std::string ListBytes() {
  std::string bytes =
      "http://cafe.example, Caf\xC3\xA9 M\xC3\xBCller\r\n"
      "http://athens.example, \xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1\r\n"
      "http://mir.example, \xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 "
      "\xD0\xBC\xD0\xB8\xD1\x80\r\n"
      "http://house.example, House in Black\r\n"
      "https://www.metoffice.gov.uk, Met Office\r\n"
      "http:\\\\files\\archive.exe, Files archive\r\n";
  for (int n = 1; n <= 24; ++n) {
    std::string number = (n < 10 ? "0" : "") + std::to_string(n);
    bytes += "http://www.site" + number + ".example, Site " + number + "\r\n";
  }
  return bytes;
}
constexpr int kWholeCount = 30;

// Everything but the deferred load, which would load the default list.
int32_t CallbackWithoutDefaultList(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return message == kDeferredLoadMessage ? 0 : MainDialogCallback(dialog, message, wParam, lParam);
}

struct FindPass {
  HWND dialog;
  HWND Field() const { return ControlHandle(dialog, kFindFieldId); }
  Texts Items() const {
    Texts items;
    for (int p = 1; p <= ListCount(dialog, kMainListId); ++p) {
      items.push_back(ListItemText(dialog, kMainListId, p));
    }
    return items;
  }
  int Selected() const { return ListSelected(dialog, kMainListId); }
  std::string Counter() const {
    wchar_t text[128] = {};
    SendDlgItemMessageW(dialog, kStatusBarId, SB_GETTEXTW, kCounterPart - 1,
                        reinterpret_cast<LPARAM>(text));
    return ToUtf8(text);
  }
  int ListTop() const {
    RECT rect = {};
    GetWindowRect(ControlHandle(dialog, kMainListId), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect.top;
  }
  // Keys go where the user's keys go: to the window with the focus, through the dialog's loop.
  void Press(UINT key) const { PostMessageW(GetFocus(), WM_KEYDOWN, key, 1); }
  void Type(const std::string& text) const {
    for (wchar_t c : ToWide(text)) PostMessageW(GetFocus(), WM_CHAR, c, 1);
  }
  void Retype(const std::string& text) const {
    SendMessageW(Field(), EM_SETSEL, 0, -1);
    Type(text);
  }
};

TEST(FindField, OnePassThroughTheKeys) {
  ClearProgramState();
  MainListHost host(CreateMainDialog());
  std::wstring folder = MakeScratchFolder(L"quillet-find");
  ASSERT_TRUE(WriteFileBytes(folder + L"list.txt", ListBytes()));
  gWebsiteList.listFilePath = ToUtf8(folder + L"list.txt");
  ASSERT_EQ(LoadListFile(), LoadOutcome::kLoaded);
  const FindPass pass{host.Dialog()};
  const int restTop = pass.ListTop();
  const Texts whole = pass.Items();
  ASSERT_EQ(whole.size(), static_cast<size_t>(kWholeCount));
  NoticeWatcher notices;
  std::string editedText;

  // Each step acts once the one before has been seen to take effect.
  auto itemsAre = [pass](Texts items) { return [pass, items] { return pass.Items() == items; }; };
  auto selectedIs = [pass](int position) {
    return [pass, position] {
      return pass.Selected() == position && GetFocus() == pass.Field() &&
             pass.Counter() == "Website: " + std::to_string(position) + " of 24";
    };
  };
  StartScript({
      {"F3 opens the field", nullptr, [pass] { pass.Press(VK_F3); }},
      {"typing finds",
       [pass] { return IsWindowVisible(pass.Field()) && GetFocus() == pass.Field(); },
       [&] {
         EXPECT_GT(pass.ListTop(), restTop) << "the list gives up room for the field";
         HWND label = GetWindow(pass.Field(), GW_HWNDPREV);
         EXPECT_EQ(GetControlText(label), kFindLabelText) << "the field's accessible name";
         pass.Type("CAFE mull");
       }},
      {"a paste finds", itemsAre({"Caf\xC3\xA9 M\xC3\xBCller"}),
       [pass] {
         EXPECT_EQ(pass.Counter(), "Website: 1 of 1");
         ASSERT_TRUE(PutOnClipboard(L"site"));
         SendMessageW(pass.Field(), EM_SETSEL, 0, -1);
         PostMessageW(pass.Field(), WM_PASTE, 0, 0);
       }},
      {"End", [pass] { return pass.Items().size() == 24 && pass.Selected() == 1; },
       [pass] { pass.Press(VK_END); }},
      {"Home", selectedIs(24), [pass] { pass.Press(VK_HOME); }},
      {"Page Down", selectedIs(1), [pass] { pass.Press(VK_NEXT); }},
      {"Up", [pass] { return pass.Selected() > 2; }, [pass] { pass.Press(VK_UP); }},
      {"Down", [pass] { return pass.Selected() > 1; },
       [pass] {
         EXPECT_EQ(pass.Counter(), "Website: " + std::to_string(pass.Selected()) + " of 24");
         pass.Press(VK_DOWN);
       }},
      {"Page Up", [pass] { return pass.Selected() > 2; }, [pass] { pass.Press(VK_PRIOR); }},
      {"deleting finds", selectedIs(1),
       [pass] {
         EXPECT_EQ(GetControlText(pass.Field()), "site") << "the keys left the typing alone";
         pass.Type("\b\b\b\b");
       }},
      {"Greek capitals", itemsAre(whole),
       [pass] { pass.Type("\xCE\x91\xCE\x98\xCE\x97\xCE\x9D\xCE\x91"); }},  // ΑΘΗΝΑ
      {"Cyrillic capitals", itemsAre({"\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"}),
       [pass] { pass.Retype("\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2"); }},  // ПРИВЕТ
      {"words in any order",
       itemsAre({"\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xD0\xBC\xD0\xB8\xD1\x80"}),
       [pass] { pass.Retype("black house"); }},
      {"nothing found", itemsAre({"House in Black"}), [pass] { pass.Retype("zzz"); }},
      {"Enter opens nothing", [pass] { return pass.Counter() == kNoMatchText; },
       [pass] {
         EXPECT_EQ(gWebsiteList.currentPosition, 0);
         pass.Press(VK_RETURN);
         pass.Retype("files");
       }},
      {"Enter opens the match", itemsAre({"Files archive"}),
       [&] {
         EXPECT_EQ(notices.Notices().size(), 0u) << "no match opened nothing";
         pass.Press(VK_RETURN);
       }},
      {"Change List edits every website",
       [&] {
         return notices.Notices().size() == 1 &&
                !FindWindowWithCaption(ThisThread(), "Not a web address");
       },
       [&] {
         EXPECT_NE(notices.Notices()[0].text.find("http:\\\\files\\archive.exe"),
                   std::string::npos);
         pass.Retype("site");
         ClickButton(pass.dialog, kChangeListButtonId);
       }},
      {"the editor closes",
       [] { return FindWindowWithCaption(ThisThread(), kListEditorCaption) != nullptr; },
       [&] {
         HWND editor = FindWindowWithCaption(ThisThread(), kListEditorCaption);
         editedText = GetControlText(GetDlgItem(editor, kListEditorEditId));
         PostMessageW(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
       }},
      {"F3 again", [&] { return IsWindowEnabled(pass.dialog) && !IsWindowVisible(pass.Field()); },
       [pass] { pass.Press(VK_F3); }},
      {"typing again", [pass] { return GetFocus() == pass.Field(); },
       [pass] { pass.Type("files"); }},
      {"Escape", itemsAre({"Files archive"}), [pass] { pass.Press(VK_ESCAPE); }},
      {"the whole list is back", [&] { return !IsWindowVisible(pass.Field()); },
       [&] {
         EXPECT_EQ(pass.Items(), whole);
         EXPECT_EQ(pass.ListTop(), restTop);
         EXPECT_EQ(ListItemText(pass.dialog, kMainListId, pass.Selected()), "Files archive");
         EXPECT_EQ(gWebsiteList.currentPosition, pass.Selected());
         EXPECT_EQ(pass.Counter(), "Website: " + std::to_string(pass.Selected()) + " of " +
                                       std::to_string(kWholeCount));
         EXPECT_EQ(GetFocus(), ControlHandle(pass.dialog, kMainListId));
         EXPECT_EQ(GetControlText(pass.Field()), "");
         DismissDialog(pass.dialog, 0);
       }},
  });
  ShowModal(pass.dialog, CallbackWithoutDefaultList, nullptr);
  EXPECT_EQ(FinishScript(), "");
  size_t lines = 0;
  for (size_t at = editedText.find("\r\n"); at != std::string::npos;
       at = editedText.find("\r\n", at + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, static_cast<size_t>(kWholeCount)) << "every website, not the matches";
  RemoveFolder(folder);
  ClearProgramState();
}

}  // namespace
