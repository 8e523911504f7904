// The default fonts. Only font 1 is used by the program: every dialog and control gets it, made
// at the dialog's DPI.
#include "dialog_layer/fonts.h"

#include <vector>

#include "dialog_layer/thread_settings.h"

namespace {

// Weight 400 is a given weight, so the dialog template asks for bold (see TemplateWeight).
constexpr FontDescription kDialogFont = {8, 400, false, 0, 0, L"MS Sans Serif"};

struct FontAtDpi {
  int dpi;
  HFONT font;
};
// A program shows its dialogs at one or two DPIs: a short list, searched in turn.
std::vector<FontAtDpi> gFontsAtDpi;

// The height, in pixels at the DPI, of a font of that point size, as the dialog manager
// makes it from a template.
LONG PixelHeight(int pointSize, int dpi) {
  return -MulDiv(pointSize, dpi, 72);
}

}  // namespace

const FontDescription& LayerFont(int) {
  return kDialogFont;
}

HFONT DialogFontAtDpi(HFONT templateFont, int dpi) {
  LOGFONTW description = {};
  if (!templateFont || !GetObjectW(templateFont, sizeof(description), &description)) {
    return templateFont;
  }
  LONG height = PixelHeight(LayerFont(DialogFontNumber()).pointSize, dpi);
  if (description.lfHeight == height) return templateFont;
  for (const FontAtDpi& made : gFontsAtDpi) {
    if (made.dpi == dpi) return made.font;
  }
  // The template's font in all but its height, which the platform gave it for another DPI.
  description.lfHeight = height;
  HFONT font = CreateFontIndirectW(&description);
  if (!font) return templateFont;
  gFontsAtDpi.push_back({dpi, font});
  return font;
}

void ReleaseLayerFonts() {
  for (const FontAtDpi& made : gFontsAtDpi) DeleteObject(made.font);
  gFontsAtDpi.clear();
}
