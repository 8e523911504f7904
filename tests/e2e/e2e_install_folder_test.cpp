// End to end: a program file in its install folder below Program Files keeps its default
// list in the product's folder below the common application-data folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_session.h"
#include "support/special_folder.h"

namespace {

std::wstring Lowered(std::wstring text) {
  CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// Makes every missing folder of a path that ends with a backslash.
bool MakeFolders(const std::wstring& folder) {
  for (size_t end = folder.find(L'\\', 3); end != std::wstring::npos;
       end = folder.find(L'\\', end + 1)) {
    std::wstring part = folder.substr(0, end);
    if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
      return false;
    }
  }
  return true;
}

// The product folders made below two special folders, removed again at the end.
struct ProductFolders {
  ProductFolders()
      : programFiles(SpecialFolder(CSIDL_PROGRAM_FILES)),
        commonAppData(SpecialFolder(CSIDL_COMMON_APPDATA)),
        install(programFiles + L"\\Brelmont\\myQuillet\\"),
        data(commonAppData + L"\\Brelmont\\myQuillet\\") {}
  ~ProductFolders() {
    RemoveFolder(install);
    RemoveDirectoryW((programFiles + L"\\Brelmont").c_str());
    RemoveFolder(data);
    RemoveDirectoryW((commonAppData + L"\\Brelmont").c_str());
  }
  std::wstring programFiles;
  std::wstring commonAppData;
  std::wstring install;
  std::wstring data;
};

TEST(EndToEnd, InstalledProgramReadsItsListFromProgramData) {
  ProductFolders folders;
  ASSERT_FALSE(folders.programFiles.empty());
  ASSERT_TRUE(MakeFolders(folders.install));
  ASSERT_TRUE(MakeFolders(folders.data));
  ASSERT_TRUE(WriteFileBytes(folders.data + L"myQuillet.txt", "http://shared.example, Shared\r\n"));
  // A list next to the program file must not be the one that is read.
  ASSERT_TRUE(
      WriteFileBytes(folders.install + L"myQuillet.txt", "http://local.example, Local\r\n"));

  Session session;
  ASSERT_TRUE(session.PlaceProgram(folders.install + L"quillet.exe"));
  // Started through a path that differs in letter case: still the install folder.
  session.program = Lowered(session.program);
  ASSERT_TRUE(session.Start());

  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 1")) << session.Counter();
  EXPECT_EQ(ListItems(session.List()), std::vector<std::string>{"Shared"});
  EXPECT_TRUE(session.CloseAndExit());
}

}  // namespace
