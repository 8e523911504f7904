// What a silent install leaves on the machine: the programs in the 32-bit Program Files folder,
// an empty data folder in ProgramData, a Start-menu shortcut for all users and the uninstall
// entry that Windows' "Apps" list reads.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include "install_places.h"
#include "quillet_version.h"

namespace {

TEST(InstalledLayout, ProgramsAndUninstallerLieInTheInstallFolder) {
  EXPECT_TRUE(FileExists(InstallFolder() + L"quillet.exe"));
  EXPECT_TRUE(FileExists(InstallFolder() + L"quillet-bookmarks.exe"));
  EXPECT_TRUE(FileExists(InstallFolder() + L"uninstall.exe"));
}

TEST(InstalledLayout, DataFolderIsMadeButNoListIsWritten) {
  EXPECT_TRUE(FolderExists(DataFolder()));
  EXPECT_FALSE(FileExists(DataFolder() + L"myQuillet.txt"));
}

TEST(InstalledLayout, StartMenuShortcutIsForAllUsersAndStartsTheInstalledProgram) {
  EXPECT_EQ(InstallFolder() + L"quillet.exe", ShortcutTarget(StartMenuShortcut()));
  EXPECT_FALSE(FileExists(SpecialFolder(CSIDL_PROGRAMS) + L"\\Quillet.lnk"))
      << "a shortcut for the installing user only";
}

TEST(InstalledLayout, UninstallEntryDescribesTheProductAndItsUninstaller) {
  const std::wstring folder = InstallFolder();
  const std::wstring uninstaller = L"\"" + folder + L"uninstall.exe\"";
  struct Value {
    const wchar_t* name;
    std::wstring expected;
  };
  const Value texts[] = {
      {L"DisplayName", L"Quillet"},
      {L"DisplayVersion", L"" QUILLET_VERSION_TEXT},
      {L"Publisher", L"Brelmont"},
      {L"UninstallString", uninstaller},
      {L"QuietUninstallString", uninstaller + L" /S"},
      // Written without the trailing backslash, as Windows' own entries are.
      {L"InstallLocation", folder.substr(0, folder.size() - 1)},
  };
  for (const Value& value : texts)
    EXPECT_EQ(value.expected, UninstallText(value.name)) << "value " << value.name;
  EXPECT_EQ(1u, UninstallNumber(L"NoModify"));
  EXPECT_EQ(1u, UninstallNumber(L"NoRepair"));
}

}  // namespace
