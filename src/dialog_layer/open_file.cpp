// ChooseOpenFile: the platform's open-file dialog, placed by a hook when it starts.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/work_area.h"

#include <commdlg.h>

#include <algorithm>
#include <cwchar>

namespace {

constexpr DWORD kFileBufferLength = 32768;
constexpr size_t kStartNameLength = 259;
constexpr int kDefaultOffset = 30;  // default placement: this far right of and below the owner

struct Placement {
  HWND owner;
  int x;
  int y;
};

DWORD StructureSize() {
  DWORD majorVersion = LOBYTE(LOWORD(GetVersion()));
  return majorVersion >= 5 ? sizeof(OPENFILENAMEW) : OPENFILENAME_SIZE_VERSION_400W;
}

// Description and pattern of each pair, each ended by NUL, and the final terminator.
std::wstring FilterText(const std::vector<FileFilter>& filter) {
  std::wstring text;
  for (const FileFilter& pair : filter) {
    text += ToWide(pair.first) + L'\0';
    text += ToWide(pair.second) + L'\0';
  }
  return text + L'\0';
}

std::wstring CurrentFolder() {
  DWORD length = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(length, L'\0');
  DWORD copied = GetCurrentDirectoryW(length, folder.data());
  folder.resize(copied < length ? copied : 0);
  return folder;
}

std::vector<wchar_t> FileBuffer(const std::string& startName) {
  std::vector<wchar_t> buffer(kFileBufferLength, L'\0');
  std::wstring name = ToWide(startName).substr(0, kStartNameLength);
  std::copy(name.begin(), name.end(), buffer.begin());
  return buffer;
}

const wchar_t* TextOrNone(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

SIZE WindowSize(HWND window) {
  RECT frame = {0, 0, 0, 0};
  GetWindowRect(window, &frame);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

// The offsets are layout pixels of the owner's DPI, or of the system's without an owner.
POINT FileDialogPosition(HWND dialog, const Placement& placement) {
  bool useDefault = placement.x == kDefaultPlacement || placement.y == kDefaultPlacement;
  if (!placement.owner && useDefault) return CentredOnWorkArea(WindowSize(dialog));
  int x = ScaleForWindow(placement.owner, useDefault ? kDefaultOffset : placement.x);
  int y = ScaleForWindow(placement.owner, useDefault ? kDefaultOffset : placement.y);
  if (!placement.owner) return {x, y};
  RECT ownerFrame;
  GetWindowRect(placement.owner, &ownerFrame);
  return {ownerFrame.left + x, ownerFrame.top + y};
}

void PlaceFileDialog(HWND dialog, const OPENFILENAMEW& request) {
  const auto* placement = reinterpret_cast<const Placement*>(request.lCustData);
  POINT position = FileDialogPosition(dialog, *placement);
  SetWindowPos(dialog, nullptr, position.x, position.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetForegroundWindow(dialog);
}

// With OFN_EXPLORER the hook belongs to a child of the file dialog: its parent is placed. The
// dialog still grows after WM_INITDIALOG, so it is placed again once it is complete
// (CDN_INITDONE); a centred dialog is then centred with its final size.
UINT_PTR CALLBACK FileDialogHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    PlaceFileDialog(GetParent(child), *reinterpret_cast<const OPENFILENAMEW*>(lParam));
  } else if (message == WM_NOTIFY) {
    const auto* notice = reinterpret_cast<const OFNOTIFYW*>(lParam);
    if (notice->hdr.code == CDN_INITDONE) PlaceFileDialog(GetParent(child), *notice->lpOFN);
  }
  return 0;
}

}  // namespace

OpenFileChoice ChooseOpenFile(HWND owner, int x, int y, const std::string& title,
                              const std::string& initialFolder,
                              const std::vector<FileFilter>& filter, const std::string& startName,
                              const std::string& defaultExtension, DWORD flags) {
  Placement placement = {owner, x, y};
  std::wstring filterText = FilterText(filter);
  std::vector<wchar_t> file = FileBuffer(startName);
  std::wstring folder = initialFolder.empty() ? CurrentFolder() : ToWide(initialFolder);
  std::wstring wideTitle = ToWide(title);
  std::wstring extension = ToWide(defaultExtension);

  OPENFILENAMEW request = {};
  request.lStructSize = StructureSize();
  request.hwndOwner = owner;
  request.lpstrFilter = filter.empty() ? nullptr : filterText.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = file.data();
  request.nMaxFile = kFileBufferLength;
  request.lpstrInitialDir = TextOrNone(folder);
  request.lpstrTitle = TextOrNone(wideTitle);
  request.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  request.lpstrDefExt = TextOrNone(extension);
  request.lCustData = reinterpret_cast<LPARAM>(&placement);
  request.lpfnHook = FileDialogHook;

  if (!GetOpenFileNameW(&request)) return {};
  return {ToUtf8(file.data(), static_cast<int>(wcsnlen(file.data(), file.size()))), 1};
}
