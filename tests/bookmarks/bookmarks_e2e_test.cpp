// End to end under Wine: a bookmark export dropped on quillet-bookmarks.exe, started as
// Explorer starts it (in a console of its own), becomes the list beside it and says so in a
// message box; with its output redirected it prints instead; and quillet.exe, started from that
// folder, shows every website of the list.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "e2e_session.h"
#include "export_shapes.h"

namespace {

constexpr char kCounts[] =
    ": 5 websites added, 0 already in the list, 1 skipped (1 not http or https).";
constexpr char kCountsAgain[] =
    ": 0 websites added, 5 already in the list, 1 skipped (1 not http or https).";

std::wstring ToolProgram() {
  return WindowsPathOf(QUILLET_BOOKMARKS_PROGRAM);
}

// Runs the tool in a console of its own with its output going to a file, and waits for it.
bool RunWithOutputTo(const std::wstring& arguments, const std::wstring& outputPath,
                     DWORD& exitCode) {
  SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
  HANDLE output = CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) return false;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = output;
  PROCESS_INFORMATION info = {};
  std::wstring commandLine = L"\"" + ToolProgram() + L"\" " + arguments;
  bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &info);
  CloseHandle(output);
  if (!started) return false;
  CloseHandle(info.hThread);
  QuilletProcess tool = {info.hProcess, info.dwProcessId};
  bool ended = WaitForExit(tool, exitCode);
  EndQuillet(tool);
  return ended;
}

TEST(BookmarksEndToEnd, DroppedExportBecomesTheListThatQuilletShowsWhole) {
  Session session;
  const ShapedFolder root = {
      "",
      {{"https://alpha.example/", "Alpha"}},
      {{"Bookmarks bar",
        {{"https://bravo.example/?a=1&b=2", "Bravo"}, {"javascript:void(0)", "Bookmarklet"}},
        {{"Deeper", {{"https://cafe.example/", "Caf\xC3\xA9 Charlie"}}, {}}}},
       {"Other bookmarks",
        {{"http://delta.example/", "Delta \xE6\x9B\xB8"}, {"https://echo.example/", ""}},
        {}}}};
  ASSERT_TRUE(session.WriteList(L"myQuillet.html", ChromeShapedExport(root)));
  const std::wstring exportPath = session.folder + L"myQuillet.html";
  const std::string named =
      ToUtf8(exportPath) + " into " + ToUtf8(session.folder) + "myQuillet.txt";

  QuilletProcess tool;
  ASSERT_TRUE(StartQuillet(ToolProgram(), L"\"" + exportPath + L"\"", tool, CREATE_NEW_CONSOLE));
  HWND box = WaitForNotice(tool, "Imported");
  ASSERT_TRUE(box) << "no message box";
  EXPECT_EQ(NoticeText(box), "Imported " + named + " (a new list)" + kCounts);
  AnswerNotice(box, IDOK);
  DWORD exitCode = 1;
  EXPECT_TRUE(WaitForExit(tool, exitCode));
  EXPECT_EQ(exitCode, 0u);
  EndQuillet(tool);

  const std::wstring output = session.folder + L"output.txt";
  ASSERT_TRUE(RunWithOutputTo(L"\"" + exportPath + L"\"", output, exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(ReadFileBytes(output), "Imported " + named + kCountsAgain + "\r\n");

  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of 5")) << session.Counter();
  EXPECT_EQ(ListItems(session.List()),
            (std::vector<std::string>{"Alpha", "Bravo", "Caf\xC3\xA9 Charlie", "Delta \xE6\x9B\xB8",
                                      "https://echo.example/"}));
  EXPECT_TRUE(session.CloseAndExit());
}

}  // namespace
