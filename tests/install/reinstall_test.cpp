// Installing again over an installed copy, silently: refused while the program runs (its
// file cannot be replaced then), done once it is closed, and the user's list is kept.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "install_places.h"
#include "quillet_driver.h"

namespace {

constexpr DWORD kInstallTimeoutMs = 60000;
constexpr DWORD kExitQuilletRunning = 2;  // the installer's exit code when it gives up

std::wstring Installer() {
  const char* unixPath = std::getenv("QUILLET_INSTALLER");
  return unixPath ? WindowsPathOf(unixPath) : L"";
}

DWORD InstallSilently() {
  DWORD exitCode = 0xFFFFFFFF;
  RunCommand(L"\"" + Installer() + L"\" /S", kInstallTimeoutMs, exitCode);
  return exitCode;
}

TEST(Reinstall, WaitsUntilTheProgramIsClosedAndKeepsTheList) {
  ASSERT_FALSE(Installer().empty()) << "QUILLET_INSTALLER is not set";
  const std::wstring program = InstallFolder() + L"quillet.exe";
  const std::wstring list = DataFolder() + L"myQuillet.txt";
  const std::string listBytes = "https://www.example.org, Kept on reinstall\r\n";
  ASSERT_TRUE(WriteFileBytes(list, listBytes));

  QuilletProcess quillet;
  ASSERT_TRUE(StartQuillet(program, L"", quillet));
  HWND main = WaitForWindow(quillet, kMainCaption);
  ASSERT_TRUE(main);
  EXPECT_EQ(kExitQuilletRunning, InstallSilently());
  EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(quillet.process, 0)) << "the program was ended";

  CloseWithCloseBox(main);
  DWORD exitCode = 1;
  EXPECT_TRUE(WaitForExit(quillet, exitCode));
  EndQuillet(quillet);
  EXPECT_EQ(0u, InstallSilently());
  EXPECT_TRUE(FileExists(program));
  EXPECT_EQ(listBytes, ReadFileBytes(list));
}

}  // namespace
