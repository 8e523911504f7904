// End to end: opening a website never starts a program on this computer. The shell tries text
// as a file before it treats it as a web address, so stand-in programs are planted where it
// would find them for each entry; every entry must reach the browser recorder as a full web
// address, whichever way it is opened, and no stand-in may leave its trace.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "e2e_session.h"

namespace {

enum class OpenBy { kEnter, kShowIt, kDoubleClick };

struct LaunchCase {
  std::string line;      // the entry line in the list file
  OpenBy openBy;         // how the entry is opened
  std::string launched;  // what the browser recorder receives (Wine's browser launcher adds "/")
};

// The names sort the entries into file order.
const std::vector<LaunchCase> kLaunchCases = {
    // A program file named like the entry's host lies in the working folder.
    {"www.example.com, 1 host named like a program", OpenBy::kEnter, "http://www.example.com/"},
    // Climbing out of the working folder to a program in the folder above it.
    {"www.\\..\\..\\x.exe, 2 climbing", OpenBy::kShowIt, "http://www./x.exe"},
    // Climbing past the scheme reaches a program in the working folder.
    {"http://www.\\..\\..\\x.exe, 3 climbing past the scheme", OpenBy::kDoubleClick,
     "http://www./x.exe"},
    {"HTTPS://a/b/../../../tool.exe, 4 climbing with slashes", OpenBy::kShowIt,
     "https://a/tool.exe"},
    {"http://../tool.exe, 5 dots as host", OpenBy::kEnter, "http://../tool.exe"},
    // Tabs are dropped from the address instead of refusing the entry.
    {"http://tab.exa\tmple\t, 6 tabs", OpenBy::kDoubleClick, "http://tab.example/"},
};

// Stand-ins, relative to the scratch folder; the program runs in its "work" subfolder.
const std::vector<std::wstring> kStandIns = {L"x.exe", L"work\\x.exe", L"work\\www.example.com",
                                             L"work\\tool.exe"};

// The stand-ins that ran, each with the command line it got; empty when none did.
std::string StandInsThatRan(const std::wstring& folder) {
  std::string ran;
  for (const std::wstring& standIn : kStandIns) {
    std::wstring trace = folder + standIn + L".ran";
    if (GetFileAttributesW(trace.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    ran += ToUtf8(standIn) + " ran with \"" + ReadFileBytes(trace) + "\"\n";
  }
  return ran;
}

void Open(Session& session, int position, OpenBy openBy) {
  if (openBy == OpenBy::kDoubleClick) {
    ClickListItem(session.List(), position, true);
    return;
  }
  ClickListItem(session.List(), position, false);
  ASSERT_TRUE(session.WaitForCounter("Website: " + std::to_string(position) + " of " +
                                     std::to_string(kLaunchCases.size())))
      << session.Counter();
  if (openBy == OpenBy::kEnter) {
    PressKey(session.List(), VK_RETURN);
  } else {
    ClickButton(session.main, kShowItId);
  }
}

TEST(EndToEnd, OpeningAnEntryNeverStartsAProgramOnThisComputer) {
  Session session;
  std::wstring work = session.folder + L"work\\";
  ASSERT_TRUE(CreateDirectoryW(work.c_str(), nullptr));
  for (const std::wstring& standIn : kStandIns) {
    ASSERT_TRUE(CopyFileW(WindowsPathOf(QUILLET_STAND_IN).c_str(),
                          (session.folder + standIn).c_str(), FALSE));
  }
  std::string list;
  for (const LaunchCase& c : kLaunchCases) list += c.line + "\r\n";
  ASSERT_TRUE(WriteFileBytes(work + L"myQuillet.txt", list));
  ASSERT_TRUE(session.PlaceProgram(work + L"quillet.exe"));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.WaitForCounter(" Website: 1 of " + std::to_string(kLaunchCases.size())))
      << session.Counter();

  for (size_t i = 0; i < kLaunchCases.size(); ++i) {
    const LaunchCase& c = kLaunchCases[i];
    SCOPED_TRACE(c.line);
    ASSERT_NO_FATAL_FAILURE(Open(session, static_cast<int>(i) + 1, c.openBy));
    ASSERT_TRUE(WaitForLaunches(session.launchLog, i + 1)) << "the browser got nothing\n"
                                                           << StandInsThatRan(session.folder);
    EXPECT_EQ(CapturedLaunches(session.launchLog).at(i), c.launched);
  }
  EXPECT_EQ(StandInsThatRan(session.folder), "");
  EXPECT_TRUE(session.CloseAndExit());
}

}  // namespace
