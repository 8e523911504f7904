// A main list to load list files into: the tests' main list host, its list drawn with a large
// font so that measuring with the wrong font shows, and a private temporary folder for list
// files, removed with everything in it afterwards.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "list/list_file.h"
#include "support/main_list_host.h"
#include "support/scratch_files.h"

class MainListTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Full path (UTF-8) of a name inside the temporary folder.
  std::string PathOf(const std::string& name) const;
  void WriteFileBytes(const std::string& name, std::string_view bytes) const;
  std::string FileBytes(const std::string& name) const;
  // The names in the temporary folder, sorted.
  std::vector<std::string> FolderContents() const;

  // Sets the list file path to the named file and loads it.
  LoadOutcome Load(const std::string& name);
  // Every item carries an entry number of the website list, each entry exactly once, and
  // shows that entry's display text.
  void ExpectItemsMatchEntries() const;

  std::vector<std::string> ItemTexts() const;
  std::vector<int32_t> ItemEntries() const;
  int Selected() const;
  int ScrollWidth() const;
  // The widest of the texts measured with the list's font in a device context of our own,
  // plus the 8-pixel margin.
  int ExpectedScrollWidth(const std::vector<std::string>& texts) const;

  std::optional<MainListHost> mainList_;  // let go before the font is deleted
  HWND host_ = nullptr;
  HWND list_ = nullptr;
  HFONT font_ = nullptr;
  std::wstring folder_;  // with trailing backslash
};
