// Test support: putting text on the clipboard, as another program would.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// The window that owns the clipboard for the moment is message-only and goes again at once,
// so a test program that must have no top-level window can call this too.
bool PutOnClipboard(const std::wstring& text);

// Puts data in several formats on the clipboard at once, as a browser offers a dragged link:
// each pair is a format (a CF_ value, or a registered one) and its bytes.
bool PutFormatsOnClipboard(const std::vector<std::pair<UINT, std::string>>& formats);
