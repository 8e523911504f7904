#include "list/text_width.h"

#include <algorithm>

#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/thread_settings.h"
#include "list/list_file.h"
#include "list/main_list.h"

namespace {

// True when every byte of the main list's texts is one character of its own, whatever stands
// around it: the code page in which the layer turns them into the platform's characters has one
// byte per character. (The text is measured in those characters, so the font's own character
// set no longer matters.)
bool IsSingleByteText() {
  CPINFO codePage = {};
  return GetCPInfo(ConversionCodePage(), &codePage) && codePage.MaxCharSize == 1;
}

}  // namespace

MainListFontSelection::MainListFontSelection() {
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(gMainList.list, WM_GETFONT, 0, 0));
  if (font && gMainList.deviceContext) previousFont = SelectObject(gMainList.deviceContext, font);
}

MainListFontSelection::~MainListFontSelection() {
  if (previousFont) SelectObject(gMainList.deviceContext, previousFont);
}

int MeasureWithSelectedFont(std::string_view text, std::wstring& wide) {
  return MeasureTextIn(gMainList.deviceContext, text, wide).cx;
}

int MeasureTextWidth(const std::string& text) {
  MainListFontSelection selection;
  std::wstring wide;
  return MeasureWithSelectedFont(text, wide);
}

WidestText::WidestText(int32_t textCount) {
  // Measuring the characters costs as much as measuring this many texts.
  constexpr int32_t kFewTexts = 512;
  if (textCount < kFewTexts || !gMainList.deviceContext || !IsSingleByteText()) return;
  int widestCharacter = 0;
  for (int c = 0; c < 256; ++c) {
    char character = static_cast<char>(c);
    characterWidth[c] = MeasureWithSelectedFont(std::string_view(&character, 1), wide);
    widestCharacter = std::max(widestCharacter, characterWidth[c]);
  }
  margin = 2 * widestCharacter;
  boundsHold = widestCharacter > 0;
}

void WidestText::Consider(std::string_view text) {
  if (boundsHold) {
    int64_t bound = margin;
    for (char c : text) bound += characterWidth[static_cast<unsigned char>(c)];
    if (bound <= widest) return;
  }
  widest = std::max(widest, MeasureWithSelectedFont(text, wide));
}
