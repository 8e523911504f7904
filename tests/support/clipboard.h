// Test support: putting text on the clipboard, as another program would.
#pragma once

#include <string>

// The window that owns the clipboard for the moment is message-only and goes again at once,
// so a test program that must have no top-level window can call this too.
bool PutOnClipboard(const std::wstring& text);
