// Special folders, the program folder and the existence test: the platform side of the
// default list location.
#include "list/data_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <cwchar>

#include "dialog_layer/dialog_layer.h"
#include "list/data_folder_text.h"

std::string gDataFolder;

namespace {

std::wstring LowerCaseWide(std::wstring text) {
  if (!text.empty()) CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

constexpr DWORD kVolumeLabelAttribute = 0x08;

bool IsPlainFile(DWORD attributes) {
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | kVolumeLabelAttribute)) == 0;
}

}  // namespace

std::string SpecialFolderPath(int folderId) {
  wchar_t path[MAX_PATH] = {};
  CoInitialize(nullptr);
  LPITEMIDLIST items = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, folderId, &items) == S_OK) {
    SHGetPathFromIDListW(items, path);
    CoTaskMemFree(items);
  }
  CoUninitialize();
  return ToUtf8(path, static_cast<int>(wcsnlen(path, MAX_PATH)));
}

std::wstring ProgramFolder() {
  wchar_t path[kMaxModulePath + 1] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, kMaxModulePath);
  return FolderOfPath(std::wstring_view(path, length));
}

bool IsInstallFolder(const std::wstring& programFolder, const std::string& programFilesPath) {
  std::string installFolder = programFilesPath + kProductSubfolder;
  return LowerCaseWide(programFolder) == LowerCaseWide(ToWide(installFolder));
}

void ChooseDataFolder() {
  std::wstring programFolder = ProgramFolder();
  if (IsInstallFolder(programFolder, SpecialFolderPath(CSIDL_PROGRAM_FILES))) {
    gDataFolder = SpecialFolderPath(CSIDL_COMMON_APPDATA) + kProductSubfolder;
  } else {
    gDataFolder = ToUtf8(programFolder);
  }
}

std::string DefaultListFile() {
  return gDataFolder + kDefaultListName;
}

bool ListFileExists(const std::string& path) {
  if (!CanNameExistingFile(path)) return false;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(ToWide(path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return IsPlainFile(found.dwFileAttributes);
}

void ShowNotFoundMessage() {
  ShowNotice(NotFoundText(), MB_ICONERROR, "File not found");
}
