#include "dialogs/list_editor.h"

#include "dialog_layer/dialog_layer.h"
#include "dialogs/edit_box.h"
#include "list/main_list.h"

const char* const kListEditorCaption = "Add or change websites";

ListEditorState gListEditor;

namespace {

constexpr DWORD kEditorStyle = WS_CLIPSIBLINGS | WS_SYSMENU | WS_THICKFRAME;
constexpr DWORD kEditBoxStyle = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL;
static_assert(kEditorStyle == 0x040C0000 && kEditBoxStyle == 0x00301004,
              "the styles the list editor and its edit box are made with");
constexpr int32_t kHandled = 1;
constexpr int32_t kLetLayerHandle = 0;
// Posted when the edit box has refused text, so that the user is told once it has finished.
constexpr UINT kTellRefusalMessage = WM_APP + 1;

// Caret on the first line and that line at the top: where an edit box leaves them after its
// text was set differs between platforms (Wine: after the text's end, scrolled down to it).
void StartAtTheTop(HWND editBox) {
  EditSelect(editBox, 0, 0);
  EditScrollLines(editBox, -EditFirstVisibleLine(editBox));
}

// The editor being initialised becomes the open one.
void RegisterEditor(HWND dialog) {
  gListEditor = ListEditorState();
  gListEditor.dialog = dialog;
  gListEditor.editBox = ControlHandle(dialog, kListEditorEditId);
}

// Selects the line of the main list's selected entry and scrolls it to the top. The text holds
// the entries in main-list order, so position p is line p - 1; with nothing selected (p = 0)
// line -1 names the caret's line, the first.
void MarkSelectedLine(HWND editBox) {
  int position = ListSelected(gMainList.dialog, kMainListId);
  StartAtTheTop(editBox);
  int start = EditLineStart(editBox, position - 1);
  EditSelect(editBox, start, start + EditLineLength(editBox, start));
  EditScrollLines(editBox, position - 1);
  EditSetModified(editBox, false);
}

void FillClientArea(HWND dialog) {
  SIZE client = GetClientSize(dialog, kTheDialog);
  SetControlSize(dialog, kListEditorEditId, client.cx, client.cy);
}

void ForgetEditor(HWND dialog) {
  if (gListEditor.dialog == dialog) gListEditor = ListEditorState();
}

// The edit box says it is full (EN_MAXTEXT) or out of memory (EN_ERRSPACE) when it has cut
// short or dropped what was typed or pasted.
void OnEditBoxNotification(HWND dialog, WORD notification) {
  if (notification != EN_MAXTEXT && notification != EN_ERRSPACE) return;
  gListEditor.refusalUntold = true;
  PostMessageW(dialog, kTellRefusalMessage, 0, 0);
}

void OnCommand(HWND dialog, WPARAM wParam) {
  if (LOWORD(wParam) == kListEditorEditId) OnEditBoxNotification(dialog, HIWORD(wParam));
}

// The low four bits of a system command are the platform's own; the layer ends the dialog
// on any command that is SC_CLOSE without them, so the editor asks for all of those.
int32_t OnSystemCommand(HWND dialog, WPARAM command) {
  if ((command & 0xFFF0) != SC_CLOSE || gListEditor.dialog != dialog) return kLetLayerHandle;
  return AnswerEditorClose(gListEditor);
}

// The session's end is the open editor's business only.
int32_t OnQueryEndSession(HWND dialog) {
  return gListEditor.dialog == dialog ? AnswerSessionEnd(gListEditor) : kLetLayerHandle;
}

}  // namespace

bool ShowListEditor(HWND owner, int x, int y, int width, int height, const std::string& text) {
  HWND dialog =
      NewDialog(kPixelMode, owner, kListEditorCaption, x, y, width, height, kEditorStyle, 0);
  if (!dialog) return false;
  // Placed by its owner, it may reach past the bottom of a small screen at a large scale.
  KeepInWorkArea(dialog);
  AddControl(kTextBox, dialog, kListEditorEditId, "", 0, 0, width, height, kEditBoxStyle, 0);
  HWND editBox = ControlHandle(dialog, kListEditorEditId);
  // Before the text: a list longer than the default limit would otherwise take no typed or
  // pasted character at all.
  EditAllowLargestText(editBox);
  // A list shown in part could be saved in part.
  if (!SetControlText(editBox, text)) {
    DismissDialog(dialog, 0);
    return false;
  }
  ShowModal(dialog, ListEditorCallback, nullptr);
  return true;
}

int32_t ListEditorCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      RegisterEditor(dialog);
      MarkSelectedLine(gListEditor.editBox);
      return kLetLayerHandle;
    case WM_SIZE:
      FillClientArea(dialog);
      return kLetLayerHandle;
    case WM_COMMAND:
      OnCommand(dialog, wParam);
      return kLetLayerHandle;
    case kTellRefusalMessage:
      TellRefusedText(gListEditor);
      return kHandled;
    case WM_SYSCOMMAND:
      return OnSystemCommand(dialog, wParam);
    case WM_QUERYENDSESSION:
      return OnQueryEndSession(dialog);
    case WM_DESTROY:
      ForgetEditor(dialog);
      return kLetLayerHandle;
    default:
      return kLetLayerHandle;
  }
}
