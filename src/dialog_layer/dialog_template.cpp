// Writes a DLGTEMPLATEEX word by word: header, menu, class, title, font.
#include "dialog_layer/dialog_template.h"

namespace {

void PutDword(std::vector<WORD>& words, DWORD value) {
  words.push_back(LOWORD(value));
  words.push_back(HIWORD(value));
}

void PutText(std::vector<WORD>& words, const wchar_t* text) {
  for (; *text; ++text) words.push_back(static_cast<WORD>(*text));
  words.push_back(0);
}

// The template stores positions and sizes as 16-bit numbers; the real ones are set afterwards.
WORD ShortOf(int value) {
  return static_cast<WORD>(static_cast<int16_t>(value));
}

// The template asks for 700 for every font whose weight is given, 400 for the default weight.
// This is why every dialog's font is bold: font 1 gives its weight (400), so its template says
// 700. That bold "MS Sans Serif" is the program's established look; text measurement needs no
// allowance for it, since it measures with whatever font the dialog was given.
WORD TemplateWeight(int weight) {
  return weight == 0 ? 400 : 700;
}

}  // namespace

std::vector<WORD> BuildDialogTemplate(DWORD style, DWORD extendedStyle, int x, int y, int width,
                                      int height, const FontDescription& font) {
  std::vector<WORD> words;
  words.push_back(1);       // dlgVer
  words.push_back(0xFFFF);  // signature: extended template
  PutDword(words, 0);       // helpID
  PutDword(words, extendedStyle);
  PutDword(words, style);
  words.push_back(0);  // cDlgItems
  words.push_back(ShortOf(x));
  words.push_back(ShortOf(y));
  words.push_back(ShortOf(width));
  words.push_back(ShortOf(height));
  words.push_back(0);  // no menu
  words.push_back(0);  // the default dialog class
  PutText(words, L" ");
  words.push_back(static_cast<WORD>(font.pointSize));
  words.push_back(TemplateWeight(font.weight));
  words.push_back(static_cast<WORD>(font.italic ? 1 : 0) | static_cast<WORD>(font.charSet << 8));
  PutText(words, font.faceName);
  return words;
}
