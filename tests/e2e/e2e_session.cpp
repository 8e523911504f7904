#include "e2e_session.h"

#include <gtest/gtest.h>

namespace {

std::wstring BuiltProgram() {
  return WindowsPathOf(QUILLET_PROGRAM);
}

}  // namespace

Session::Session() : folder(MakeScratchFolder(L"quillet-e2e")) {
  EXPECT_FALSE(folder.empty()) << "no scratch folder";
  launchLog = folder + L"launches.log";
  EXPECT_TRUE(CaptureBrowserLaunches(launchLog)) << "browser launches cannot be recorded";
  EXPECT_TRUE(PlaceProgram(folder + L"quillet.exe"));
}

Session::~Session() {
  EndQuillet(quillet);
  StopCapturingBrowserLaunches();
  RemoveFolder(folder);
}

bool Session::PlaceProgram(const std::wstring& programPath) {
  program = programPath;
  return CopyFileW(BuiltProgram().c_str(), programPath.c_str(), FALSE) != FALSE;
}

bool Session::WriteList(const std::wstring& name, const std::string& bytes) {
  return WriteFileBytes(folder + name, bytes);
}

HWND Session::Start(const std::wstring& arguments) {
  if (!StartQuillet(program, arguments, quillet)) return nullptr;
  main = WaitForWindow(quillet, kMainCaption);
  return main;
}

bool Session::CloseAndExit() {
  CloseWithCloseBox(main);
  DWORD exitCode = 1;
  return WaitForExit(quillet, exitCode) && exitCode == 0;
}

HWND TypeLineAndClose(Session& session, const std::string& line) {
  ClickButton(session.main, kChangeListId);
  HWND editor = WaitForWindow(session.quillet, kEditorCaption);
  if (!editor) return nullptr;
  HWND edit = GetDlgItem(editor, kEditBoxId);
  std::string text = WindowText(edit);
  PressKey(edit, VK_HOME);  // the editor starts with the selected website's line selected
  TypeText(edit, line);
  EXPECT_TRUE(WaitForText(edit, line + text)) << WindowText(edit);
  CloseWithCloseBox(editor);
  return editor;
}

HWND AddLineAndSave(Session& session, const std::string& line) {
  HWND editor = TypeLineAndClose(session, line);
  if (!editor) return nullptr;
  HWND question = WaitForNotice(session.quillet, kSaveQuestion);
  EXPECT_TRUE(question) << "no save question";
  if (question) AnswerNotice(question, IDYES);
  return editor;
}
