// Where the installer puts things, as the platform names those places for this 32-bit
// process, and small readers for what is found there. Folder paths end with a backslash.
#pragma once

#include <windows.h>

#include <string>

#include "support/special_folder.h"

// "<Program Files>\Brelmont\myQuillet\": the folder the program is installed into.
std::wstring InstallFolder();
// "<ProgramData>\Brelmont\myQuillet\": the installed program's data folder.
std::wstring DataFolder();
// The Start-menu shortcut for all users.
std::wstring StartMenuShortcut();

bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);

// The uninstall entry under HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall.
bool UninstallEntryExists();
// A text value of the entry, or "(missing)".
std::wstring UninstallText(const wchar_t* name);
// A number value of the entry, or 0xFFFFFFFF when missing.
DWORD UninstallNumber(const wchar_t* name);

// The program a shell link starts; empty when it cannot be read.
std::wstring ShortcutTarget(const std::wstring& shortcut);

// Runs a command line and waits, at most timeoutMs, for it to end; false when it could not be
// started or did not end in time.
bool RunCommand(const std::wstring& commandLine, DWORD timeoutMs, DWORD& exitCode);
