// Links dropped on the main dialog, in the shapes browsers and Explorer give them, handed to its
// drop target as a drag would; each adds its website to the list file as one line.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/website_list.h"
#include "main_dialog/main_dialog.h"
#include "support/clipboard.h"
#include "support/dialog_script.h"
#include "support/main_list_host.h"
#include "support/scratch_files.h"
#include "support/wait.h"

namespace {

using Formats = std::vector<std::pair<UINT, std::string>>;

UINT Registered(const wchar_t* name) {
  return RegisterClipboardFormatW(name);
}

std::string WideBytes(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.c_str()),
                     (text.size() + 1) * sizeof(wchar_t));
}

std::string GroupDescriptor(const std::wstring& fileName) {
  FILEGROUPDESCRIPTORW group = {};
  group.cItems = 1;
  group.fgd[0].dwFlags = FD_LINKUI;
  fileName.copy(group.fgd[0].cFileName, MAX_PATH - 1);
  return std::string(reinterpret_cast<const char*>(&group), sizeof(group));
}

std::string DroppedFiles(const std::wstring& path) {
  DROPFILES files = {};
  files.pFiles = sizeof(files);
  files.fWide = TRUE;
  std::string bytes(reinterpret_cast<const char*>(&files), sizeof(files));
  return bytes + WideBytes(path) + std::string(sizeof(wchar_t), '\0');
}

// The main dialog shown modeless with its callback (its initialisation left out, which would
// load the default list), accepting links, with a list file in a scratch folder.
struct DropOnMainDialog {
  DropOnMainDialog() {
    OleInitialize(nullptr);
    ShowModeless(dialog, [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
      return message == WM_INITDIALOG ? 0 : MainDialogCallback(window, message, wParam, lParam);
    });
    EXPECT_TRUE(AcceptLinkDrops(dialog));
  }
  ~DropOnMainDialog() {
    StopLinkDrops(dialog);  // before OLE goes; the dialog itself goes with the host
    RemoveFolder(folder);
    ClearProgramState();
    OleUninitialize();
  }
  void Load(const std::string& bytes) {
    ASSERT_TRUE(WriteFileBytes(listPath, bytes));
    gWebsiteList.listFilePath = ToUtf8(listPath);
    ASSERT_EQ(LoadListFile(), LoadOutcome::kLoaded);
  }
  // Drags data of these formats over the dialog and drops it; the effect the target answered.
  DWORD Drop(const Formats& formats) {
    EXPECT_TRUE(PutFormatsOnClipboard(formats));
    IDataObject* data = nullptr;
    EXPECT_EQ(OleGetClipboard(&data), S_OK);
    if (!data) return DROPEFFECT_NONE;
    IDropTarget* target = LinkDropTargetOf(dialog);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    target->DragEnter(data, MK_LBUTTON, {20, 20}, &effect);
    DWORD entered = effect;
    if (entered != DROPEFFECT_NONE) {
      effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
      target->Drop(data, 0, {20, 20}, &effect);
    } else {
      target->DragLeave();
    }
    data->Release();
    return entered;
  }
  std::string SelectedText() const {
    return ListItemText(dialog, kMainListId, ListSelected(dialog, kMainListId));
  }

  MainListHost host{(ClearProgramState(), CreateMainDialog())};
  HWND dialog = host.Dialog();
  std::wstring folder = MakeScratchFolder(L"quillet-drop");
  std::wstring listPath = folder + L"list.txt";
};

TEST(LinkDrop, AddsTheWebsiteOfEachBrowsersShapeWithItsTitle) {
  DropOnMainDialog main;
  const std::string original = "http://old.example, Old\r\n";
  main.Load(original);
  const std::wstring shortcut = main.folder + L"Shortcut Site.url";
  ASSERT_TRUE(WriteFileBytes(shortcut, "[InternetShortcut]\r\nURL=https://shortcut.example/\r\n"));
  struct Shape {
    const char* browser;
    Formats formats;
    const char* line;  // written to the file: a list of ASCII alone takes UTF-8
    const char* shown;
  };
  const Shape shapes[] = {
      {"Firefox: the URL and the title",
       {{Registered(L"text/x-moz-url"),
         WideBytes(L"https://ff.example/page\nFirefox \x00C9t\x00E9")},
        {Registered(L"UniformResourceLocatorW"), WideBytes(L"https://ff.example/page")}},
       "https://ff.example/page, Firefox \xC3\x89t\xC3\xA9",
       "Firefox \xC3\x89t\xC3\xA9"},
      {"Chromium: the URL, and the title as the shortcut's name",
       {{Registered(L"UniformResourceLocatorW"), WideBytes(L"https://chrome.example/a,b")},
        {Registered(L"FileGroupDescriptorW"), GroupDescriptor(L"Chrome Page.url")}},
       "https://chrome.example/a%2Cb, Chrome Page",
       "Chrome Page"},
      {"an address in the code page alone: the URL alone",
       {{Registered(L"UniformResourceLocator"), std::string("www.plain.example", 18)}},
       "www.plain.example",
       "www.plain.example"},
      {"Explorer: an Internet shortcut file",
       {{CF_HDROP, DroppedFiles(shortcut)}},
       "https://shortcut.example/, Shortcut Site",
       "Shortcut Site"},
  };
  std::string expected = original;
  for (const Shape& shape : shapes) {
    SCOPED_TRACE(shape.browser);
    EXPECT_NE(main.Drop(shape.formats), static_cast<DWORD>(DROPEFFECT_NONE));
    expected += std::string(shape.line) + "\r\n";
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(main.listPath) == expected; }))
        << ReadFileBytes(main.listPath);
    EXPECT_TRUE(WaitUntil([&] { return main.SelectedText() == shape.shown; }));
  }
  // Plain text is no link: the drag is refused and nothing changes.
  EXPECT_EQ(main.Drop({{CF_UNICODETEXT, WideBytes(L"https://text.example/")}}),
            static_cast<DWORD>(DROPEFFECT_NONE));
  PumpMessages();
  EXPECT_EQ(ReadFileBytes(main.listPath), expected);
}

TEST(LinkDrop, AnAddressAlreadyThereIsSelectedAndAnotherProgramsChangeIsKept) {
  DropOnMainDialog main;
  main.Load("http://b.example, Bee\r\nhttp://a.example, Ay\r\nhttp://c.example, Sea\r\n");
  NoticeWatcher watcher;
  // The same website, its host in capitals and a "/" after it: selected, nothing written.
  main.Drop({{Registered(L"text/x-moz-url"), WideBytes(L"HTTP://A.EXAMPLE/\nOther title")}});
  ASSERT_TRUE(watcher.WaitForCount(1));
  EXPECT_EQ(watcher.Notices()[0].text,
            "This website is already in the list, and it is selected:\nHTTP://A.EXAMPLE/");
  EXPECT_EQ(main.SelectedText(), "Ay");
  // Another program adds a line after the load; the drop keeps it.
  const std::string changed =
      "http://b.example, Bee\r\nhttp://a.example, Ay\r\nhttp://c.example, Sea\r\n"
      "http://other.example, Other\r\n";
  ASSERT_TRUE(WriteFileBytes(main.listPath, changed));
  main.Drop({{Registered(L"text/x-moz-url"), WideBytes(L"https://new.example/\nNew")}});
  EXPECT_TRUE(WaitUntil(
      [&] { return ReadFileBytes(main.listPath) == changed + "https://new.example/, New\r\n"; }));
  EXPECT_EQ(main.SelectedText(), "New");
  EXPECT_EQ(gWebsiteList.file.entryCount, 5);
  // A link that is no web address is told, and nothing is written.
  main.Drop({{Registered(L"text/x-moz-url"), WideBytes(L"javascript:alert(1)\nScript")}});
  ASSERT_TRUE(watcher.WaitForCount(2));
  EXPECT_EQ(watcher.Notices()[1].text,
            "The dropped link is not a web address, so it was not added:\njavascript:alert(1)");
  EXPECT_EQ(ReadFileBytes(main.listPath), changed + "https://new.example/, New\r\n");
}

}  // namespace
