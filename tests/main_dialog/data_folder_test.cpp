// The default list location on the platform: the install-folder comparison, the data folder
// chosen for this test program, the existence test and the not-found message.
#include "list/data_folder.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "dialog_layer/dialog_layer.h"
#include "support/dialog_script.h"
#include "support/scratch_files.h"

namespace {

TEST(InstallFolder, MatchesOnlyTheProductFolderInAnyLetterCase) {
  const std::string programFiles = "C:\\Program Files (x86)";
  struct Case {
    const wchar_t* programFolder;
    bool install;
  };
  const Case cases[] = {
      {L"C:\\Program Files (x86)\\Brelmont\\myQuillet\\", true},
      {L"c:\\PROGRAM FILES (X86)\\brelmont\\MYQUILLET\\", true},
      {L"C:\\Program Files (x86)\\Brelmont\\myQuillet\\bin\\", false},
      {L"C:\\Program Files (x86)\\Brelmont\\", false},
      {L"C:\\PROGRA~2\\Brelmont\\myQuillet\\", false},
      {L"C:/Program Files (x86)/Brelmont/myQuillet/", false},
      {L"\\\\?\\C:\\Program Files (x86)\\Brelmont\\myQuillet\\", false},
      {L"E:\\Brelmont\\myQuillet\\", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsInstallFolder(c.programFolder, programFiles), c.install) << ToUtf8(c.programFolder);
  }
}

TEST(InstallFolder, AFailedProgramFilesLookupMatchesNoProgramFolder) {
  EXPECT_FALSE(IsInstallFolder(L"C:\\Brelmont\\myQuillet\\", ""));
  EXPECT_FALSE(IsInstallFolder(L"\\\\server\\Brelmont\\myQuillet\\", ""));
}

TEST(DataFolder, IsTheProgramFolderOutsideTheInstallFolder) {
  gDataFolder.clear();
  ChooseDataFolder();
  std::wstring programFolder = ProgramFolder();
  ASSERT_FALSE(programFolder.empty());
  EXPECT_EQ(programFolder.back(), L'\\');
  EXPECT_EQ(gDataFolder, ToUtf8(programFolder));
  EXPECT_EQ(DefaultListFile(), gDataFolder + "myQuillet.txt");
  EXPECT_NE(GetFileAttributesW((programFolder + L"main_dialog_tests.exe").c_str()),
            INVALID_FILE_ATTRIBUTES);
}

TEST(SpecialFolders, ComeWithoutTrailingBackslashOrEmpty) {
  for (int folder : {CSIDL_PROGRAM_FILES, CSIDL_COMMON_APPDATA}) {
    std::string path = SpecialFolderPath(folder);
    ASSERT_GT(path.size(), 3u) << folder;
    EXPECT_NE(path.back(), '\\') << path;
  }
  EXPECT_EQ(SpecialFolderPath(0x7FFF), "") << "an unknown folder id";
}

TEST(ExistenceTest, FindsOnlyPlainFiles) {
  std::wstring folder = MakeScratchFolder(L"quillet-exists");
  ASSERT_FALSE(folder.empty());
  ASSERT_TRUE(WriteFileBytes(folder + L"list.txt", "http://a\r\n"));
  ASSERT_TRUE(CreateDirectoryW((folder + L"sub\\").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((folder + L"sub\\myQuillet.txt").c_str(), nullptr));
  std::string base = ToUtf8(folder);
  struct Case {
    std::string path;
    bool exists;
  };
  const Case cases[] = {
      {base + "list.txt", true},
      {base + "LIST.TXT", true},
      {base + "missing.txt", false},
      {base + "sub\\myQuillet.txt", false},  // a folder with the list's name
      {base + "sub", false},
      {base + "*.txt", false},  // would match list.txt
      {base + "list.tx?", false},
      {"", false},
      {"C:", false},
  };
  for (const Case& c : cases) EXPECT_EQ(ListFileExists(c.path), c.exists) << c.path;
  RemoveFolder(folder);
}

TEST(NotFoundMessage, IsAnErrorNoticeNamingTheFileOnly) {
  NoticeWatcher watcher;
  ShowNotFoundMessage();
  ASSERT_TRUE(watcher.WaitForCount(1));
  SeenNotice notice = watcher.Notices()[0];
  EXPECT_EQ(notice.caption, "File not found");
  EXPECT_EQ(notice.icon, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(notice.text.find('\\'), std::string::npos) << "no path in the message";
  EXPECT_EQ(notice.text.rfind("Opening file (myQuillet.txt) not found", 0), 0u) << notice.text;
}

}  // namespace
