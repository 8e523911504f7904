#include "dialogs/list_editor.h"

#include "dialog_layer/dialog_layer.h"
#include "dialogs/edit_box.h"
#include "list/list_file.h"
#include "list/main_list.h"

const char* const kListEditorCaption = "Add or change websites";
const char* const kSaveQuestion = "Do you want to save this data?";

ListEditorState gListEditor;

namespace {

constexpr DWORD kEditorStyle = WS_CLIPSIBLINGS | WS_SYSMENU | WS_THICKFRAME;
constexpr DWORD kEditBoxStyle = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL;
static_assert(kEditorStyle == 0x040C0000 && kEditBoxStyle == 0x00301004,
              "the styles the list editor and its edit box are made with");
constexpr int32_t kKeepOpen = 1;
constexpr int32_t kLetLayerHandle = 0;

// Caret on the first line and that line at the top: where an edit box leaves them after its
// text was set differs between platforms (Wine: after the text's end, scrolled down to it).
void StartAtTheTop(HWND editBox) {
  EditSelect(editBox, 0, 0);
  EditScrollLines(editBox, -EditFirstVisibleLine(editBox));
}

// Selects the line of the main list's selected entry and scrolls it to the top. The text holds
// the entries in main-list order, so position p is line p - 1; with nothing selected (p = 0)
// line -1 names the caret's line, the first.
void MarkSelectedLine(HWND dialog) {
  int position = ListSelected(gMainList.dialog, kMainListId);
  gListEditor = {dialog, ControlHandle(dialog, kListEditorEditId), false};
  HWND editBox = gListEditor.editBox;
  StartAtTheTop(editBox);
  int start = EditLineStart(editBox, position - 1);
  EditSelect(editBox, start, start + EditLineLength(editBox, start));
  EditScrollLines(editBox, position - 1);
  EditSetModified(editBox, false);
}

void FillClientArea(HWND dialog) {
  SIZE client = GetClientSize(dialog, kMissingValue);
  SetControlSize(dialog, kListEditorEditId, client.cx, client.cy);
}

void ForgetEditor(HWND dialog) {
  if (gListEditor.dialog == dialog) gListEditor = ListEditorState();
}

// Keeps the editor open when the list was not saved: the save has said why, and the text and
// its changed state stay for another try or for No.
int32_t SaveAndClose(HWND dialog) {
  std::string text = GetControlText(ControlHandle(dialog, kListEditorEditId));
  return SaveEditedText(text, EditorLineToSelect(gListEditor.editBox)) ? kLetLayerHandle
                                                                       : kKeepOpen;
}

int32_t AskAndSave(HWND dialog) {
  int answer = ShowNotice(kSaveQuestion, MB_YESNOCANCEL | MB_ICONQUESTION, "");
  // The question has its own loop: the editor may have been ended meanwhile, and its text
  // with it. Nothing is saved then.
  if (gListEditor.dialog != dialog || !IsWindow(dialog)) return kKeepOpen;
  if (answer == IDCANCEL) return kKeepOpen;
  if (answer == IDNO) return kLetLayerHandle;
  return SaveAndClose(dialog);
}

// The question has no owner, so the editor's close box stays within reach while it, or the
// save after it, is running; such a second close is dropped.
int32_t AnswerClose(HWND dialog) {
  if (gListEditor.closing) return kKeepOpen;
  if (!EditIsModified(gListEditor.editBox)) return kLetLayerHandle;
  gListEditor.closing = true;
  int32_t result = AskAndSave(dialog);
  if (gListEditor.dialog == dialog) gListEditor.closing = false;
  return result;
}

// The low four bits of a system command are the platform's own; the layer ends the dialog
// on any command that is SC_CLOSE without them, so the editor asks for all of those.
int32_t OnSystemCommand(HWND dialog, WPARAM command) {
  if ((command & 0xFFF0) != SC_CLOSE) return kLetLayerHandle;
  return AnswerClose(dialog);
}

}  // namespace

int32_t EditorLineToSelect(HWND editBox) {
  int line = EditCaretLine(editBox);
  bool lineHasText = EditLineLength(editBox, EditLineStart(editBox, line)) > 0;
  return lineHasText ? line + 1 : line;
}

void ShowListEditor(HWND owner, int x, int y, int width, int height, const std::string& text) {
  HWND dialog =
      NewDialog(kPixelMode, owner, kListEditorCaption, x, y, width, height, kEditorStyle, 0);
  if (!dialog) return;
  AddControl(kTextBox, dialog, kListEditorEditId, text, 0, 0, width, height, kEditBoxStyle, 0);
  ShowModal(dialog, ListEditorCallback, nullptr);
}

int32_t ListEditorCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      MarkSelectedLine(dialog);
      return kLetLayerHandle;
    case WM_SIZE:
      FillClientArea(dialog);
      return kLetLayerHandle;
    case WM_SYSCOMMAND:
      return OnSystemCommand(dialog, wParam);
    case WM_DESTROY:
      ForgetEditor(dialog);
      return kLetLayerHandle;
    default:
      return kLetLayerHandle;
  }
}
