// Uninstalling with the command the uninstall entry names, silently: the program, the shortcut
// and the entry go; the user's list, and so its folder, stays exactly as it was.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include "dialog_layer/dialog_layer.h"
#include "e2e/quillet_driver.h"
#include "install_places.h"
#include "support/wait.h"

namespace {

constexpr DWORD kUninstallTimeoutMs = 60000;

TEST(Uninstall, QuietUninstallRemovesWhatWasInstalledAndKeepsTheList) {
  const std::wstring list = DataFolder() + L"myQuillet.txt";
  std::string listBytes = ReadFileBytes(list);
  if (listBytes.empty()) {  // no list saved by the earlier checks: put one there now
    listBytes = "https://www.example.org, Kept on uninstall\r\n";
    ASSERT_TRUE(WriteFileBytes(list, listBytes));
  }
  const std::wstring command = UninstallText(L"QuietUninstallString");

  DWORD exitCode = 1;
  ASSERT_TRUE(RunCommand(command, kUninstallTimeoutMs, exitCode)) << ToUtf8(command);
  EXPECT_EQ(0u, exitCode);
  // The uninstaller hands its work to a copy of itself in the temporary folder and returns,
  // so the removal goes on after the command has ended; the entry goes last.
  EXPECT_TRUE(WaitUntil([] { return !UninstallEntryExists(); }, kUninstallTimeoutMs));

  EXPECT_FALSE(FolderExists(InstallFolder()));
  EXPECT_FALSE(FolderExists(SpecialFolder(CSIDL_PROGRAM_FILES) + L"\\Brelmont"));
  EXPECT_FALSE(FileExists(StartMenuShortcut()));
  EXPECT_EQ(listBytes, ReadFileBytes(list));
}

}  // namespace
