// Links dropped on a dialog: an OLE drop target, written as a plain structure whose first member
// points to a table of plain functions (the layout COM expects of an object), that accepts what
// browsers and Explorer hand over for a link and gives the dialog's callback its URL and title.
#define CINTERFACE
#define COBJMACROS
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialog_layer/dialog_layer.h"

namespace {

// The shapes a dropped link takes, in the order they are asked for.
struct LinkFormats {
  CLIPFORMAT mozillaUrl;     // "text/x-moz-url": UTF-16, the URL, a line break, the title
  CLIPFORMAT urlWide;        // "UniformResourceLocatorW": UTF-16, the URL
  CLIPFORMAT urlAnsi;        // "UniformResourceLocator": the URL in the system's code page
  CLIPFORMAT fileGroupWide;  // "FileGroupDescriptorW": the shortcut a drop would make, "title.url"
};

const LinkFormats& Formats() {
  static const LinkFormats formats = {
      static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"text/x-moz-url")),
      static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"UniformResourceLocatorW")),
      static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"UniformResourceLocator")),
      static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"FileGroupDescriptorW")),
  };
  return formats;
}

FORMATETC GlobalFormat(CLIPFORMAT format) {
  return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool Offers(IDataObject* data, CLIPFORMAT format) {
  FORMATETC wanted = GlobalFormat(format);
  return IDataObject_QueryGetData(data, &wanted) == S_OK;
}

// The bytes of the data in that format, as far as the memory holding them goes.
bool ReadGlobal(IDataObject* data, CLIPFORMAT format, std::string& bytes) {
  FORMATETC wanted = GlobalFormat(format);
  STGMEDIUM medium = {};
  if (IDataObject_GetData(data, &wanted, &medium) != S_OK) return false;
  bool read = false;
  if (medium.tymed == TYMED_HGLOBAL) {
    const void* memory = GlobalLock(medium.hGlobal);
    if (memory) {
      bytes.assign(static_cast<const char*>(memory), GlobalSize(medium.hGlobal));
      GlobalUnlock(medium.hGlobal);
      read = true;
    }
  }
  ReleaseStgMedium(&medium);
  return read;
}

// UTF-16 text held in bytes, up to its first zero unit.
std::wstring WideTextOf(const std::string& bytes) {
  std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
  std::copy(bytes.begin(), bytes.begin() + text.size() * sizeof(wchar_t),
            reinterpret_cast<char*>(text.data()));
  return text.substr(0, text.find(L'\0'));
}

std::wstring CodePageTextOf(std::string bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  int length =
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(std::max(length, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

// A file name without its ".url" ending; empty when it has none.
std::wstring ShortcutTitle(std::wstring name) {
  name = name.substr(name.find_last_of(L"\\/") + 1);
  if (name.size() < 4 || _wcsicmp(name.c_str() + name.size() - 4, L".url") != 0) return {};
  return name.substr(0, name.size() - 4);
}

// The line "URL=..." of an Internet shortcut file (an INI file, in the code page or UTF-16).
std::wstring UrlOfShortcutText(const std::wstring& text) {
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find_first_of(L"\r\n", at);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(at, end - at);
    if (line.size() > 4 && _wcsnicmp(line.c_str(), L"URL=", 4) == 0) return line.substr(4);
    at = end + 1;
  }
  return {};
}

bool ReadShortcutFile(const std::wstring& path, std::wstring& url) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  constexpr DWORD kLargestShortcut = 64 * 1024;
  std::string bytes(kLargestShortcut, '\0');
  DWORD read = 0;
  bool done = ReadFile(file, bytes.data(), kLargestShortcut, &read, nullptr);
  CloseHandle(file);
  if (!done) return false;
  bytes.resize(read);
  bool wide = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
  url = UrlOfShortcutText(wide ? WideTextOf(bytes.substr(2)) : CodePageTextOf(bytes));
  return !url.empty();
}

// An Internet shortcut (.url) file dragged from Explorer: the first dropped file, when it is one.
bool ReadShortcutDrop(IDataObject* data, DroppedLink& link) {
  std::string bytes;
  if (!ReadGlobal(data, CF_HDROP, bytes) || bytes.size() < sizeof(DROPFILES)) return false;
  const DROPFILES* files = reinterpret_cast<const DROPFILES*>(bytes.data());
  if (!files->fWide || files->pFiles >= bytes.size()) return false;
  std::wstring path = WideTextOf(bytes.substr(files->pFiles));
  std::wstring title = ShortcutTitle(path);
  std::wstring url;
  if (title.empty() || !ReadShortcutFile(path, url)) return false;
  link.url = ToUtf8(url);
  link.title = ToUtf8(title);
  return true;
}

std::wstring GroupTitle(IDataObject* data) {
  std::string bytes;
  if (!ReadGlobal(data, Formats().fileGroupWide, bytes)) return {};
  if (bytes.size() < sizeof(FILEGROUPDESCRIPTORW)) return {};
  const FILEGROUPDESCRIPTORW* group = reinterpret_cast<const FILEGROUPDESCRIPTORW*>(bytes.data());
  if (group->cItems < 1) return {};
  const wchar_t* name = group->fgd[0].cFileName;
  return ShortcutTitle(std::wstring(name, wcsnlen(name, MAX_PATH)));
}

// What the drop carries: the URL and the title that comes with it (none without one).
bool ReadLink(IDataObject* data, DroppedLink& link) {
  const LinkFormats& formats = Formats();
  std::string bytes;
  if (ReadGlobal(data, formats.mozillaUrl, bytes)) {
    std::wstring text = WideTextOf(bytes);
    size_t lineBreak = text.find_first_of(L"\r\n");
    link.url = ToUtf8(text.substr(0, lineBreak));
    size_t titleStart = text.find_first_not_of(L"\r\n", lineBreak);
    if (lineBreak != std::wstring::npos && titleStart != std::wstring::npos) {
      size_t titleEnd = text.find_first_of(L"\r\n", titleStart);
      link.title = ToUtf8(text.substr(titleStart, titleEnd - titleStart));
    }
  } else if (ReadGlobal(data, formats.urlWide, bytes)) {
    link.url = ToUtf8(WideTextOf(bytes));
    link.title = ToUtf8(GroupTitle(data));
  } else if (ReadGlobal(data, formats.urlAnsi, bytes)) {
    link.url = ToUtf8(CodePageTextOf(bytes));
    link.title = ToUtf8(GroupTitle(data));
  } else {
    return ReadShortcutDrop(data, link);
  }
  // A title that only repeats the address is none.
  if (link.title == link.url) link.title.clear();
  return !link.url.empty();
}

bool OffersLink(IDataObject* data) {
  const LinkFormats& formats = Formats();
  return Offers(data, formats.mozillaUrl) || Offers(data, formats.urlWide) ||
         Offers(data, formats.urlAnsi) || Offers(data, CF_HDROP);
}

// --- The drop target: a structure that begins with its function table -----------------------

struct LinkDropTarget {
  IDropTarget face;  // its lpVtbl points to kLinkDropFunctions
  LONG references;
  HWND dialog;
  bool carriesLink;  // the drag over the dialog right now offers a link
};

LinkDropTarget* TargetOf(IDropTarget* face) {
  return reinterpret_cast<LinkDropTarget*>(face);
}

HRESULT STDMETHODCALLTYPE QueryInterfaceOfTarget(IDropTarget* face, REFIID id, void** object) {
  if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget)) {
    *object = face;
    IDropTarget_AddRef(face);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE AddRefOfTarget(IDropTarget* face) {
  return static_cast<ULONG>(InterlockedIncrement(&TargetOf(face)->references));
}

ULONG STDMETHODCALLTYPE ReleaseOfTarget(IDropTarget* face) {
  LONG left = InterlockedDecrement(&TargetOf(face)->references);
  if (left == 0) delete TargetOf(face);
  return static_cast<ULONG>(left);
}

DWORD EffectOf(const LinkDropTarget* target, DWORD allowed) {
  if (!target->carriesLink) return DROPEFFECT_NONE;
  if (allowed & DROPEFFECT_LINK) return DROPEFFECT_LINK;
  return allowed & DROPEFFECT_COPY;
}

HRESULT STDMETHODCALLTYPE DragEnterTarget(IDropTarget* face, IDataObject* data, DWORD, POINTL,
                                          DWORD* effect) {
  LinkDropTarget* target = TargetOf(face);
  // A disabled dialog has a modal dialog of its own open (the list editor): nothing may change
  // its list under that dialog.
  target->carriesLink = data && IsWindowEnabled(target->dialog) && OffersLink(data);
  *effect = EffectOf(target, *effect);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DragOverTarget(IDropTarget* face, DWORD, POINTL, DWORD* effect) {
  *effect = EffectOf(TargetOf(face), *effect);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DragLeaveTarget(IDropTarget* face) {
  TargetOf(face)->carriesLink = false;
  return S_OK;
}

// The source waits until this returns, so the link is only read here; the dialog gets it
// through its queue, and its callback may then ask the user whatever it needs.
HRESULT STDMETHODCALLTYPE DropOnTarget(IDropTarget* face, IDataObject* data, DWORD, POINTL,
                                       DWORD* effect) {
  LinkDropTarget* target = TargetOf(face);
  const DWORD answer = EffectOf(target, *effect);
  target->carriesLink = false;
  auto link = std::make_unique<DroppedLink>();
  if (answer == DROPEFFECT_NONE || !data || !ReadLink(data, *link)) {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  *effect = answer;  // never a move: the source keeps what it gave
  if (PostMessageW(target->dialog, kLinkDroppedMessage, 0, reinterpret_cast<LPARAM>(link.get()))) {
    link.release();  // the dialog procedure takes it back
  }
  return S_OK;
}

IDropTargetVtbl kLinkDropFunctions = {
    QueryInterfaceOfTarget, AddRefOfTarget,  ReleaseOfTarget, DragEnterTarget,
    DragOverTarget,         DragLeaveTarget, DropOnTarget,
};

// The dialogs that accept links, with their targets (each holding one reference for this).
std::vector<std::pair<HWND, IDropTarget*>> gLinkTargets;

}  // namespace

bool AcceptLinkDrops(HWND dialog) {
  LinkDropTarget* target = new LinkDropTarget{{&kLinkDropFunctions}, 1, dialog, false};
  IDropTarget* face = &target->face;
  if (RegisterDragDrop(dialog, face) != S_OK) {
    IDropTarget_Release(face);
    return false;
  }
  gLinkTargets.push_back({dialog, face});
  return true;
}

void StopLinkDrops(HWND dialog) {
  for (auto it = gLinkTargets.begin(); it != gLinkTargets.end(); ++it) {
    if (it->first != dialog) continue;
    RevokeDragDrop(dialog);
    IDropTarget_Release(it->second);
    gLinkTargets.erase(it);
    return;
  }
}

IDropTarget* LinkDropTargetOf(HWND dialog) {
  for (const auto& [window, face] : gLinkTargets) {
    if (window == dialog) return face;
  }
  return nullptr;
}
