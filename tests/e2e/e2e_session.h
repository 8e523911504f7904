// One run of quillet.exe for an end-to-end test: a scratch folder holding a copy of the
// program, browser launches recorded in a log there, and clean-up (the process ended, the
// prefix's browser setting put back, the folder removed) when the session goes out of scope,
// also when the test fails.
#pragma once

#include <windows.h>

#include <string>

#include "quillet_driver.h"

constexpr int kMainListId = 101;
constexpr int kShowItId = 201;
constexpr int kAnotherListId = 202;
constexpr int kChangeListId = 203;
constexpr int kStatusBarId = 204;
constexpr int kHelpLabelId = 206;
constexpr int kEditBoxId = 100;
constexpr int kHelpOkId = 9994;
constexpr char kEditorCaption[] = "Add or change websites";
constexpr char kSaveQuestion[] = "Do you want to save this data?";

struct Session {
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Copies the program to another place and runs it from there (the program folder decides
  // where the default list lies).
  bool PlaceProgram(const std::wstring& programPath);
  // Writes a file into the scratch folder.
  bool WriteList(const std::wstring& name, const std::string& bytes);
  // Starts the program and waits for its main dialog; nullptr when it did not appear.
  HWND Start(const std::wstring& arguments = L"");
  // Closes the main dialog with its close box; true when the program then ended with 0.
  bool CloseAndExit();

  HWND List() const { return GetDlgItem(main, kMainListId); }
  HWND StatusBar() const { return GetDlgItem(main, kStatusBarId); }
  std::string Counter() const { return StatusText(quillet, StatusBar(), 2); }
  bool WaitForCounter(const std::string& text) const {
    return WaitForStatusText(quillet, StatusBar(), 2, text);
  }

  std::wstring folder;     // the scratch folder, ending with a backslash
  std::wstring program;    // the program file that is started
  std::wstring launchLog;  // where browser launches are recorded
  QuilletProcess quillet;
  HWND main = nullptr;
};

// Opens the editor, types a line before the list text and closes the editor with the close
// box. Returns the editor, or nullptr when it did not open.
HWND TypeLineAndClose(Session& session, const std::string& line);
// The same, and the save question answered Yes.
HWND AddLineAndSave(Session& session, const std::string& line);
