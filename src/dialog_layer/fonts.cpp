// The default fonts. Only font 1 is used by the program: every dialog and control gets it.
#include "dialog_layer/fonts.h"

namespace {

// Weight 400 is a given weight, so the dialog template asks for bold (see TemplateWeight).
constexpr FontDescription kDialogFont = {8, 400, false, 0, 0, L"MS Sans Serif"};

}  // namespace

const FontDescription& LayerFont(int) {
  return kDialogFont;
}
