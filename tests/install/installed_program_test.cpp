// The installed program at work: started from the install folder it keeps its list in
// ProgramData, where a list saved from its editor lands; the same program file copied
// anywhere else keeps its list next to itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "install_places.h"
#include "quillet_driver.h"

namespace {

constexpr int kMainListId = 101;
constexpr int kStatusBarId = 204;
constexpr int kEditBoxId = 100;
constexpr int kHelpOkId = 9994;

// A started quillet.exe that is ended when the test leaves, also when it fails.
struct RunningQuillet {
  explicit RunningQuillet(const std::wstring& program) {
    EXPECT_TRUE(StartQuillet(program, L"", process)) << ToUtf8(program);
  }
  ~RunningQuillet() { EndQuillet(process); }
  RunningQuillet(const RunningQuillet&) = delete;
  RunningQuillet& operator=(const RunningQuillet&) = delete;

  bool CloseAndExit(HWND main) {
    CloseWithCloseBox(main);
    DWORD exitCode = 1;
    return WaitForExit(process, exitCode) && exitCode == 0;
  }

  QuilletProcess process;
};

// The help box's text (F1), with the box closed again.
std::string HelpText(const QuilletProcess& quillet, HWND main) {
  PressKey(GetDlgItem(main, kMainListId), VK_F1);
  HWND help = WaitForWindow(quillet, "Program Help");
  if (help == nullptr) return "(no help box)";
  const std::vector<std::string> texts = StaticTexts(help);
  const std::string text = texts.empty() ? "(no text)" : texts[0];
  ClickButton(help, kHelpOkId);
  WaitForWindowGone(help);
  return text;
}

std::string LastLine(const std::string& text) {
  return text.substr(text.rfind('\n') + 1);
}

TEST(InstalledProgram, KeepsItsListInProgramDataWhereTheEditorSavesIt) {
  const std::wstring program = InstallFolder() + L"quillet.exe";
  const std::wstring list = DataFolder() + L"myQuillet.txt";
  RunningQuillet quillet(program);

  // No list yet: the program says so and opens its editor on an empty text.
  HWND notFound = WaitForNotice(quillet.process, "Opening file (myQuillet.txt) not found");
  ASSERT_TRUE(notFound);
  AnswerNotice(notFound, IDOK);
  HWND editor = WaitForWindow(quillet.process, "Add or change websites");
  ASSERT_TRUE(editor);
  TypeText(GetDlgItem(editor, kEditBoxId), "https://www.example.org, Saved in ProgramData\r\n");
  CloseWithCloseBox(editor);
  HWND question = WaitForNotice(quillet.process, "Do you want to save this data?");
  ASSERT_TRUE(question);
  AnswerNotice(question, IDYES);
  ASSERT_TRUE(WaitForWindowGone(editor));

  const std::string saved = ReadFileBytes(list);
  EXPECT_EQ(0u, saved.find("https://www.example.org, Saved in ProgramData\r\n")) << saved;
  HWND main = WaitForWindow(quillet.process, kMainCaption);
  ASSERT_TRUE(main);
  ASSERT_TRUE(WaitForWindowEnabled(main));
  EXPECT_EQ(std::vector<std::string>{"Saved in ProgramData"},
            ListItems(GetDlgItem(main, kMainListId)));

  const std::string help = HelpText(quillet.process, main);
  EXPECT_NE(std::string::npos, help.find("Program file: " + ToUtf8(program))) << help;
  EXPECT_EQ("Data file: " + ToUtf8(list), LastLine(help));
  EXPECT_TRUE(quillet.CloseAndExit(main));
}

TEST(InstalledProgram, CopiedElsewhereKeepsItsListNextToItself) {
  const std::wstring folder = MakeScratchFolder(L"Quillet portable");
  ASSERT_FALSE(folder.empty());
  const std::wstring program = folder + L"quillet.exe";
  ASSERT_TRUE(CopyFileW((InstallFolder() + L"quillet.exe").c_str(), program.c_str(), FALSE));
  ASSERT_TRUE(WriteFileBytes(folder + L"myQuillet.txt",
                             "https://one.example, One\r\nhttps://two.example, Two\r\n"));
  const std::string installedList = ReadFileBytes(DataFolder() + L"myQuillet.txt");
  {
    RunningQuillet quillet(program);
    HWND main = WaitForWindow(quillet.process, kMainCaption);
    ASSERT_TRUE(main);
    EXPECT_TRUE(
        WaitForStatusText(quillet.process, GetDlgItem(main, kStatusBarId), 2, " Website: 1 of 2"));
    EXPECT_EQ("Data file: " + ToUtf8(folder) + "myQuillet.txt",
              LastLine(HelpText(quillet.process, main)));
    EXPECT_TRUE(quillet.CloseAndExit(main));
  }
  EXPECT_EQ(installedList, ReadFileBytes(DataFolder() + L"myQuillet.txt"));
  RemoveFolder(folder);
}

}  // namespace
