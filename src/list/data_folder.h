// Where the default list file lies, whether a list file exists, and what the user is told when
// the default list file is missing.
#pragma once

#include <string>

// The folder, with its trailing backslash, that holds the default list file. Program-wide
// state: empty until ChooseDataFolder runs while the main dialog initialises, then fixed.
extern std::string gDataFolder;

// The path of the shell special folder with that CSIDL value, without a trailing backslash;
// empty when the lookup fails.
std::string SpecialFolderPath(int folderId);

// The folder of the running program file, with its trailing backslash.
std::wstring ProgramFolder();

// True when the program folder is the product's install folder below Program Files
// (programFilesPath, as SpecialFolderPath gives it), compared without regard to letter case
// and without any other normalisation.
bool IsInstallFolder(const std::wstring& programFolder, const std::string& programFilesPath);

// Sets gDataFolder: the product's folder below the common application-data folder when the
// program runs from its install folder, otherwise the program folder.
void ChooseDataFolder();

// The data folder followed by the default list file name.
std::string DefaultListFile();

// True when the path names an existing file (not a folder, not a volume label).
bool ListFileExists(const std::string& path);

// Tells the user that the default list file is missing (an error notice, "File not found").
void ShowNotFoundMessage();
