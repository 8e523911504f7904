// The program's own message box: white, sized to its text, with an optional system icon, one
// of four button sets, placed at a given screen position or centred over the active window,
// and topmost while it is open.
#pragma once

#include <cstdint>
#include <string>

// style: negative = modal (wait for the result); the absolute value selects the buttons
// (mod 16: 1 Ok/Cancel, 3 Yes/No/Cancel, 4 Yes/No, else Ok) and the icon (16, 32, 48, 64).
// beep non-zero plays the icon's sound. x, y: the box's screen position; both 0 centre it.
// Returns the value the box was ended with (6 first button or Enter, 7 second button or
// Escape, 2 "Cancel", 1 single "&Ok", 0 system close), or 0 at once for a non-modal box.
int32_t SizedMessageBox(const std::string& text, int32_t style, std::string caption, int32_t beep,
                        int32_t x, int32_t y);
