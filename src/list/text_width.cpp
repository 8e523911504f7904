#include "list/text_width.h"

#include <algorithm>

#include "dialog_layer/dialog_layer.h"
#include "list/list_file.h"
#include "list/main_list.h"

namespace {

// The characters the bound counts: ASCII, one byte each in the program's UTF-8 and one unit in
// the platform's UTF-16. A text with any other character is measured whole.
constexpr int kBoundCharacters = 128;

bool IsBoundCharacter(char c) {
  return static_cast<unsigned char>(c) < kBoundCharacters;
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
  if (textCount < kFewTexts || !gMainList.deviceContext) return;
  int widestCharacter = 0;
  for (int c = 0; c < kBoundCharacters; ++c) {
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
    bool bounded = true;
    for (char c : text) {
      bounded = bounded && IsBoundCharacter(c);
      bound += characterWidth[static_cast<unsigned char>(c) % kBoundCharacters];
    }
    if (bounded && bound <= widest) return;
  }
  widest = std::max(widest, MeasureWithSelectedFont(text, wide));
}
