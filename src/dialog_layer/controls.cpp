// AddControl: child controls made by kind code, with the kind's style rules, at the dialog's
// DPI and in its font.
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/layout_scale.h"
#include "dialog_layer/window_records.h"

#include <commctrl.h>

namespace {

struct KindRule {
  int kind;
  const wchar_t* windowClass;
  DWORD defaultStyle;  // used when the caller passes style 0
  DWORD addedBits;     // always added
};

// Every control is a visible child; a list box always tells its dialog about clicks.
constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kListBoxAddedBits = kVisibleChild | LBS_NOTIFY;

// The style of a control made with style 0, by kind.
constexpr DWORD kButtonDefault = kVisibleChild | WS_TABSTOP;
constexpr DWORD kLabelDefault = kVisibleChild;
constexpr DWORD kTextBoxDefault = kVisibleChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kStatusBarDefault = kVisibleChild | CCS_BOTTOM;
constexpr DWORD kListBoxDefault = kVisibleChild | WS_TABSTOP | LBS_STANDARD;
static_assert(kButtonDefault == 0x50010000 && kLabelDefault == 0x50000000 &&
                  kTextBoxDefault == 0x50810080 && kStatusBarDefault == 0x50000003 &&
                  kListBoxDefault == 0x50A10003 && kListBoxAddedBits == 0x50000001,
              "the styles the program's controls are created with");

constexpr KindRule kKindRules[] = {
    {kPushButton, L"BUTTON", kButtonDefault, kVisibleChild},
    {kLabel, L"STATIC", kLabelDefault, kVisibleChild},
    {kTextBox, L"EDIT", kTextBoxDefault, kVisibleChild},
    {kStatusBar, STATUSCLASSNAMEW, kStatusBarDefault, kVisibleChild},
    {kListBox, L"LISTBOX", kListBoxDefault, kListBoxAddedBits},
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
  style |= rule.addedBits;
}

}  // namespace

void AddControl(int kind, HWND dialog, int id, const std::string& text, int x, int y, int width,
                int height, DWORD style, DWORD extendedStyle) {
  const WindowRecord* dialogRecord = FindDialogRecord(dialog);
  const KindRule* rule = RuleOf(kind);
  if (!dialogRecord || !rule) return;
  HFONT font = dialogRecord->font;
  LayoutRect layout = {x, y, width, height};
  LayoutRect device = ScaleRectToDevice(layout, dialogRecord->dpi);
  ApplyStyleRules(*rule, style, extendedStyle);
  HWND control = CreateWindowExW(extendedStyle, rule->windowClass, ToWide(text).c_str(), style,
                                 device.x, device.y, device.width, device.height, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (!control) return;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  WindowRecord record;
  record.window = control;
  record.parent = dialog;
  record.kind = kind;
  record.style = style;
  record.layout = layout;
  AddRecord(record);
}
