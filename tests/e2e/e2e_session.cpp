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
