#include "dialogs/sized_message_box.h"

#include "dialog_layer/dialog_layer.h"
#include "dialogs/message_box_layout.h"

// The box's arithmetic names the platform's numbers itself; they must be the platform's.
static_assert(kBoxOkCancelStyle == MB_OKCANCEL && kBoxYesNoCancelStyle == MB_YESNOCANCEL &&
              kBoxYesNoStyle == MB_YESNO);
static_assert(kBoxStopIcon == MB_ICONHAND && kBoxQuestionIcon == MB_ICONQUESTION &&
              kBoxWarningIcon == MB_ICONEXCLAMATION && kBoxInformationIcon == MB_ICONASTERISK);
static_assert(kBoxIdOk == IDOK && kBoxIdCancel == IDCANCEL && kBoxIdYes == IDYES &&
              kBoxIdNo == IDNO && kBoxDefaultButtonStyle == BS_DEFPUSHBUTTON);

namespace {

constexpr int32_t kWhite = 0x00FFFFFF;
constexpr int32_t kBlack = 0x00000000;
constexpr int kTextTop = 5;

// Measures the lines in the dialog's font, as its label will draw them, in layout pixels.
TextExtent MeasureWithDialogFont(HWND box, const std::vector<std::string>& lines) {
  DialogTextMeasure measure(box);
  return MeasureBoxText(lines, [&measure](const std::string& line) {
    SIZE size = measure.LayoutExtent(line);
    return TextExtent{size.cx, size.cy};
  });
}

void AddTextLabel(HWND box, const std::string& text, int indent, BoxSize label) {
  AddControl(kLabel, box, kBoxTextId, text, indent, kTextTop, label.width, label.height, 0, 0);
  SetColors(box, kBoxTextId, kBlack, kWhite);
}

void AddButtonRow(HWND box, BoxButtons buttons, int boxHeight) {
  int top = BoxButtonTop(boxHeight);
  for (const BoxButton& button : BoxButtonRow(buttons)) {
    AddControl(kPushButton, box, button.id, button.text, button.x, top, button.width,
               kBoxButtonHeight, button.style, 0);
  }
  if (buttons == BoxButtons::kYesNoCancel) FocusControl(box, kBoxFirstButtonId);
}

// The owner's window rectangle, or one of the work area's size at (0, 0) without an owner, in
// layout pixels.
ScreenRect ReferenceRect(HWND owner) {
  RECT window = {0, 0, 0, 0};
  if (owner && GetLayoutWindowRect(owner, window)) {
    return {window.left, window.top, window.right - window.left, window.bottom - window.top};
  }
  SIZE workArea = WorkAreaSize();
  return {0, 0, workArea.cx, workArea.cy};
}

// A box that would reach past the work area, at a larger scale or with a long line, is moved
// back into it as far as it fits, so that its button stays on the screen.
void PlaceAndSize(HWND box, HWND owner, int x, int y, BoxSize size) {
  ScreenPoint at = PlaceBox(x, y, ReferenceRect(owner), size);
  MoveDialog(box, at.x, at.y, size.width, size.height);
  KeepInWorkArea(box);
}

// The system's icons come in sizes for each scale: 32 x 32 layout pixels at the box's DPI.
HANDLE LoadSystemIcon(HWND box, int id) {
  int size = ScaleForWindow(box, 32);
  return LoadImageA(nullptr, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0);
}

// The icon control takes the size of its image; without an image it stays empty. Systems
// whose own icon resources are numbered otherwise (Wine) have the icon under its standard id.
void AddIcon(HWND box, const BoxStyle& style) {
  AddControl(kLabel, box, kBoxIconId, "", 10, kTextTop, 0, 0, SS_ICON, 0);
  SetColors(box, kBoxIconId, kBlack, kWhite);
  if (style.iconResource == 0) return;
  HANDLE icon = LoadSystemIcon(box, style.iconResource);
  if (!icon) icon = LoadSystemIcon(box, style.standardIconId);
  if (!icon) return;
  SendDlgItemMessageA(box, kBoxIconId, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

// The icon was loaded for this box alone: it goes with the box.
void ReleaseIcon(HWND box) {
  LRESULT icon = SendDlgItemMessageA(box, kBoxIconId, STM_GETIMAGE, IMAGE_ICON, 0);
  if (icon) DestroyIcon(reinterpret_cast<HICON>(icon));
}

void PrepareShownBox(HWND box) {
  HWND firstButton = ControlHandle(box, kBoxFirstButtonId);
  if (firstButton) SendMessageA(firstButton, BM_SETSTYLE, BS_DEFPUSHBUTTON, 1);
  SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void EndOnCommand(HWND box, int commandId) {
  std::optional<int32_t> result = BoxResultForCommand(commandId);
  if (result) DismissDialog(box, *result);
}

// Never reports a message as handled: everything also gets the layer's default handling.
int32_t SizedMessageBoxCallback(HWND box, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      PrepareShownBox(box);
      return 0;
    case WM_COMMAND:
      EndOnCommand(box, LOWORD(wParam));
      return 0;
    case WM_DESTROY:
      ReleaseIcon(box);
      return 0;
    default:
      return 0;
  }
}

int32_t ShowBox(HWND box, bool modal) {
  if (!modal) {
    ShowModeless(box, SizedMessageBoxCallback);
    return 0;
  }
  int32_t result = 0;
  ShowModal(box, SizedMessageBoxCallback, &result);
  return result;
}

}  // namespace

int32_t SizedMessageBox(const std::string& text, int32_t style, std::string caption, int32_t beep,
                        int32_t x, int32_t y) {
  BoxStyle decoded = DecodeBoxStyle(style);
  HWND owner = GetActiveWindow();
  HWND box = NewDialog(kPixelMode, owner, caption, kCentred, kCentred, 200, 100, 0, 0);
  if (!box) return 0;
  SetColors(box, kTheDialog, kDefaultColor, kWhite);
  std::vector<std::string> lines = SplitBoxLines(text);
  TextExtent extent = MeasureWithDialogFont(box, lines);
  AddTextLabel(box, text, decoded.textIndent, BoxLabelSize(extent.width, lines.size()));
  BoxSize size = BoxOuterSize(decoded.textIndent, extent, lines.size());
  AddButtonRow(box, decoded.buttons, size.height);
  PlaceAndSize(box, owner, x, y, size);
  AddIcon(box, decoded);
  if (beep != 0) MessageBeep(decoded.soundType);
  return ShowBox(box, decoded.modal);
}
