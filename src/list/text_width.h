// Measuring display texts as the main list draws them (Win32 side).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

// Keeps the main list's font selected into its device context while it lives, so that a whole
// list is measured with one selection. Without a font of its own, the device context's current
// font is measured.
struct MainListFontSelection {
  HGDIOBJ previousFont = nullptr;

  MainListFontSelection();
  ~MainListFontSelection();
  MainListFontSelection(const MainListFontSelection&) = delete;
  MainListFontSelection& operator=(const MainListFontSelection&) = delete;
};

// Width in device pixels of the text in the font selected into the main list's device
// context, measured by the dialog layer; wide is room for the text's UTF-16 form.
int MeasureWithSelectedFont(std::string_view text, std::wstring& wide);

// Finds the widest of many texts while measuring few of them. The width of a text is at most
// the sum of the widths of its characters measured one by one, so a text whose sum stays below
// the widest width found so far cannot be wider and is not measured. Only ASCII characters are
// counted so; a text with any other character, and every text of a short list, is measured.
// Needs the main list's font selected. Widths are device pixels, as the list's horizontal
// extent is.
struct WidestText {
  int widest = 0;
  bool boundsHold = false;
  int characterWidth[128] = {};  // of the ASCII characters
  int margin = 0;                // room for rounding in the platform's measurement
  std::wstring wide;             // room for each text's UTF-16 form, reused

  explicit WidestText(int32_t textCount);
  void Consider(std::string_view text);
};
