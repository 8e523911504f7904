// The list editor under test: a hidden main dialog with its sorted main list, loaded from a
// list file in a folder of its own, and the editor opened over it and driven by a script.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/list_editor.h"
#include "support/dialog_script.h"
#include "support/main_list_host.h"
#include "support/scratch_files.h"

constexpr int kEntries = 40;

// "http://siteNN.example, Site NN": 30 characters.
std::string EntryLine(int i);
FILETIME WriteTime(const std::wstring& path);

HWND EditBox();
bool EditorOpen();
std::string EditText();
std::wstring EditWideText();
bool EditModified();
void ReplaceSelection(const char* text);
// Types the characters one WM_CHAR each, as the keyboard would (CR is Enter).
void TypeCharacters(const std::wstring& text);
// Puts the text on the clipboard and pastes it at the caret (WM_PASTE).
void PasteText(const std::wstring& text);
// The low four bits of a system command belong to the platform; a close is a close with them.
void PostClose(WPARAM lowBits = 0);
// The step once count notices are answered and the editor, out of its save question, is still
// open: it expects the text still changed, runs the check and closes the editor again.
ScriptStep BackInTheEditor(const NoticeWatcher& watcher, size_t count, std::function<void()> check,
                           WPARAM closeBits = 0);

class ListEditorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes the list file anew and loads it, as another list chosen by the user would be.
  void UseList(const std::string& bytes);
  // Opens the editor over the main list with the text (by default the main list's own) and the
  // entry at the position selected, and runs the steps in it until it has closed.
  void RunEditor(int selected, std::vector<ScriptStep> steps);
  void RunEditorWith(const std::string& text, std::vector<ScriptStep> steps);
  void ExpectListUntouched(int selected);

  MainListHost host_;
  HWND mainDialog_ = host_.Dialog();
  std::wstring folder_;
  std::wstring file_;  // the list file
  std::string path_;   // the same, as the program names it
  std::string original_;
};
