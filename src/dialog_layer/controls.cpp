// AddControl: child controls made by kind code, with the kind's style rules and the dialog's
// font.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/window_records.h"

#include <commctrl.h>

namespace {

struct KindRule {
  int kind;
  const wchar_t* windowClass;
  DWORD defaultStyle;  // used when the caller passes style 0
  DWORD addedBits;     // always added
  DWORD removedBits;   // always removed
};

constexpr KindRule kKindRules[] = {
    {kPushButton, L"BUTTON", 0x50010000, 0x50000000, 0},
    {kLabel, L"STATIC", 0x50000000, 0x50000000, 0},
    {kTextBox, L"EDIT", 0x50810080, 0x50000000, 0},
    {kStatusBar, STATUSCLASSNAMEW, 0x50000003, 0x50000000, 0},
    {kListBox, L"LISTBOX", 0x50A10003, 0x50000001, 0},
};

const KindRule* RuleOf(int kind) {
  for (const KindRule& rule : kKindRules) {
    if (rule.kind == kind) return &rule;
  }
  return nullptr;
}

bool GetsSunkenEdgeByDefault(int kind) {
  return kind == kTextBox || kind == kListBox;
}

// The styles a control is created with; a default-styled text or list box trades its border
// for a sunken client edge.
void ApplyStyleRules(const KindRule& rule, DWORD& style, DWORD& extendedStyle) {
  if (style == 0) {
    style = rule.defaultStyle;
    if (GetsSunkenEdgeByDefault(rule.kind) && (style & WS_BORDER)) {
      style &= ~WS_BORDER;
      extendedStyle |= WS_EX_CLIENTEDGE;
    }
  }
  style = (style | rule.addedBits) & ~rule.removedBits;
}

}  // namespace

void AddControl(int kind, HWND dialog, int id, const std::string& text, int x, int y, int width,
                int height, DWORD style, DWORD extendedStyle) {
  const WindowRecord* dialogRecord = FindDialogRecord(dialog);
  const KindRule* rule = RuleOf(kind);
  if (!dialogRecord || !rule) return;
  HFONT font = dialogRecord->font;
  DWORD mode = dialogRecord->modeFlags & kPixelModeFlag;
  ApplyStyleRules(*rule, style, extendedStyle);
  HWND control = CreateWindowExW(
      extendedStyle, rule->windowClass, ToWide(text).c_str(), style, x, y, width, height, dialog,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!control) return;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  WindowRecord record;
  record.window = control;
  record.parent = dialog;
  record.modeFlags = mode;
  record.kind = kind;
  record.style = style;
  record.extendedStyle = extendedStyle;
  AddRecord(record);
}
