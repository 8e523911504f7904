#include "list/text_width.h"

#include <algorithm>

#include "list/list_file.h"
#include "list/main_list.h"

namespace {

// True when every character of the main list's texts is one byte, both in the conversion to
// the platform's characters and in the code page of the font.
bool IsSingleByteText() {
  CPINFO ansi = {};
  if (!GetCPInfo(CP_ACP, &ansi) || ansi.MaxCharSize != 1) return false;
  CHARSETINFO charset = {};
  int fontCharset = GetTextCharsetInfo(gMainList.deviceContext, nullptr, 0);
  if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<INT_PTR>(fontCharset)), &charset,
                            TCI_SRCCHARSET)) {
    return false;
  }
  CPINFO font = {};
  return GetCPInfo(charset.ciACP, &font) && font.MaxCharSize == 1;
}

}  // namespace

MainListFontSelection::MainListFontSelection() {
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(gMainList.list, WM_GETFONT, 0, 0));
  if (font && gMainList.deviceContext) previousFont = SelectObject(gMainList.deviceContext, font);
}

MainListFontSelection::~MainListFontSelection() {
  if (previousFont) SelectObject(gMainList.deviceContext, previousFont);
}

int MeasureWithSelectedFont(std::string_view text) {
  SIZE extent = {0, 0};
  if (!GetTextExtentPoint32A(gMainList.deviceContext, text.data(), static_cast<int>(text.size()),
                             &extent)) {
    return 0;
  }
  return extent.cx;
}

int MeasureTextWidth(const std::string& text) {
  MainListFontSelection selection;
  return MeasureWithSelectedFont(text);
}

WidestText::WidestText(int32_t textCount) {
  // Measuring the characters costs as much as measuring this many texts.
  constexpr int32_t kFewTexts = 512;
  if (textCount < kFewTexts || !gMainList.deviceContext || !IsSingleByteText()) return;
  int widestCharacter = 0;
  for (int c = 0; c < 256; ++c) {
    char character = static_cast<char>(c);
    characterWidth[c] = MeasureWithSelectedFont(std::string_view(&character, 1));
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
  widest = std::max(widest, MeasureWithSelectedFont(text));
}
