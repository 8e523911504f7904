#include "list/data_folder_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/list_format.h"
#include "list/list_text.h"

namespace {

TEST(FolderOfPath, KeepsEverythingUpToTheLastBackslash) {
  EXPECT_EQ(FolderOfPath(L"C:\\Program Files (x86)\\Brelmont\\myQuillet\\quillet.exe"),
            L"C:\\Program Files (x86)\\Brelmont\\myQuillet\\");
  EXPECT_EQ(FolderOfPath(L"\\\\server\\share\\q.exe"), L"\\\\server\\share\\");
  EXPECT_EQ(FolderOfPath(L"C:/tools/q.exe"), L"") << "forward slashes separate nothing";
  EXPECT_EQ(FolderOfPath(L""), L"");
}

TEST(FolderOfPath, CutsLongPathsTo260CharactersFirst) {
  std::wstring head = L"C:\\" + std::wstring(250, L'd') + L"\\";  // 254 characters
  std::wstring tail = std::wstring(10, L'e') + L"\\quillet.exe";  // last backslash at 264
  EXPECT_EQ(FolderOfPath(head + tail), head);
}

TEST(ExistenceTestText, RefusesEmptyWildcardAndDriveOnlyPaths) {
  struct Case {
    const char* path;
    bool usable;
  };
  const Case cases[] = {
      {"", false},
      {"C:\\a\\myQuillet.txt", true},
      {"C:\\a\\*.txt", false},
      {"C:\\a\\?.txt", false},
      {"C:", false},
      {"C:\\a\\file:", false},
      {"myQuillet.txt", true},
      {"C:\\", true},
  };
  for (const Case& c : cases) EXPECT_EQ(CanNameExistingFile(c.path), c.usable) << c.path;
}

TEST(NotFoundText, FourLinesEndingInAnExampleEntry) {
  std::vector<std::string> lines;
  ForEachPiece(NotFoundText(), [&](std::string_view line) { lines.emplace_back(line); });
  ASSERT_EQ(lines.size(), 4u) << "no CR LF after the last line";
  EXPECT_EQ(lines[0], "Opening file (myQuillet.txt) not found");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "... begin adding websites, such as:");
  ASSERT_TRUE(IsEntryLine(lines[3])) << lines[3];
  EntryFields fields = SplitEntryFields(lines[3]);
  EXPECT_FALSE(fields.name.empty()) << "the example shows the URL, name form";
  std::string canonical;
  AppendEntryLine(canonical, fields.url, fields.name);
  EXPECT_EQ(canonical, lines[3]) << "the example is written as the program writes lines";
}

}  // namespace
