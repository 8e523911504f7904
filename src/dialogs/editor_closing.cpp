#include "dialogs/editor_closing.h"

#include <string>

#include "dialog_layer/dialog_layer.h"
#include "dialogs/edit_box.h"
#include "list/list_file.h"
#include "list/website_list.h"

const char* const kSaveQuestion = "Do you want to save this data?";
const char* const kTextRefusedNotice =
    "The editor could not take all of the text that was typed or pasted: the part it refused "
    "is not in the list.\nLook the list over before you save it.";
const char* const kSessionEndReason = "Unsaved changes to the website list";

std::string UnfitTextQuestion(int line) {
  return "Line " + std::to_string(line) +
         " holds characters that the list file's code page cannot hold.\n\nSave the list as "
         "UTF-8 instead, which holds every character?\nNo goes back to the editor.";
}

std::string ChangedFileQuestion(const std::string& path) {
  return "The list file has been changed by another program since it was read:\n" + path +
         "\n\nSave anyway and replace those changes?\nNo goes back to the editor.";
}

namespace {

constexpr int32_t kKeepOpen = 1;
constexpr int32_t kHandled = 1;
constexpr int32_t kLetLayerHandle = 0;
constexpr UINT kSaveQuestionStyle = MB_YESNOCANCEL | MB_ICONQUESTION;  // 0x23
// The questions before a save: No, back to the editor, is the default button.
constexpr UINT kSaveAnywayStyle = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;

enum class Outcome {
  kKeepEditing,  // Cancel, back to the editor, or the save failed
  kDiscarded,    // No
  kSaved,
};

// A notice runs its own loop: the editor may have been ended meanwhile, and its text with it.
// The state then belongs to no open editor, or to another one.
bool StillOpen(const ListEditorState& editor, HWND dialog) {
  return editor.dialog == dialog && IsWindow(dialog);
}

bool AgreesToSaveAnyway(const ListEditorState& editor, HWND dialog, const std::string& question) {
  int answer = ShowNotice(question, kSaveAnywayStyle, "");
  return StillOpen(editor, dialog) && answer == IDYES;
}

// The text is read again after every question, for the editor stays usable while one is open:
// what is saved is what the editor holds when the save starts.
Outcome SaveEditorText(const ListEditorState& editor, HWND dialog) {
  SaveEncoding encoding = SaveEncoding::kAsLoaded;
  bool outsideChangeAgreed = false;
  for (;;) {
    HWND editBox = editor.editBox;
    std::string text = GetControlText(editBox);
    int32_t unfitLine = encoding == SaveEncoding::kAsLoaded ? FirstLineListFileCannotHold(text) : 0;
    if (unfitLine > 0) {
      // Nothing the user typed is ever saved as a stand-in: UTF-8 holds it all.
      if (!AgreesToSaveAnyway(editor, dialog, UnfitTextQuestion(unfitLine))) {
        return Outcome::kKeepEditing;
      }
      encoding = SaveEncoding::kUtf8Marked;
      continue;
    }
    if (!outsideChangeAgreed && ListFileChangedSinceLoad()) {
      std::string question = ChangedFileQuestion(gWebsiteList.listFilePath);
      if (!AgreesToSaveAnyway(editor, dialog, question)) return Outcome::kKeepEditing;
      outsideChangeAgreed = true;
      continue;
    }
    // A failed save has said why; the text and its changed state stay for another try.
    bool saved = SaveEditedText(text, EditorLineToSelect(editBox), encoding);
    return saved ? Outcome::kSaved : Outcome::kKeepEditing;
  }
}

Outcome AskAndSave(ListEditorState& editor, UINT questionStyle) {
  HWND dialog = editor.dialog;
  TellRefusedText(editor);
  if (!StillOpen(editor, dialog)) return Outcome::kKeepEditing;
  int answer = ShowNotice(kSaveQuestion, questionStyle, "");
  if (!StillOpen(editor, dialog) || answer == IDCANCEL) return Outcome::kKeepEditing;
  if (answer == IDNO) return Outcome::kDiscarded;
  return SaveEditorText(editor, dialog);
}

int32_t AnswerSessionEndWith(HWND dialog, bool endAllowed) {
  SetMessageResult(dialog, endAllowed ? TRUE : FALSE);
  return kHandled;
}

}  // namespace

// The question has no owner, so the editor's close box stays within reach while it, or the
// save after it, is running; such a second close is dropped.
int32_t AnswerEditorClose(ListEditorState& editor) {
  HWND dialog = editor.dialog;
  if (editor.closing) return kKeepOpen;
  if (!EditIsModified(editor.editBox)) return kLetLayerHandle;
  editor.closing = true;
  Outcome outcome = AskAndSave(editor, kSaveQuestionStyle);
  if (editor.dialog == dialog) editor.closing = false;
  return outcome == Outcome::kKeepEditing ? kKeepOpen : kLetLayerHandle;
}

// The session cannot wait for a question that is already open: the end is refused, and the
// user answers that question first.
int32_t AnswerSessionEnd(ListEditorState& editor) {
  HWND dialog = editor.dialog;
  if (editor.closing) return AnswerSessionEndWith(dialog, false);
  if (!EditIsModified(editor.editBox)) return kLetLayerHandle;
  editor.closing = true;
  HoldSessionEnd(dialog, kSessionEndReason);
  Outcome outcome = AskAndSave(editor, kSaveQuestionStyle | MB_SETFOREGROUND);
  ReleaseSessionEnd(dialog);
  if (editor.dialog != dialog) return AnswerSessionEndWith(dialog, false);
  editor.closing = false;
  // Saved: should another program refuse the end, the editor does not ask for it again.
  if (outcome == Outcome::kSaved) EditSetModified(editor.editBox, false);
  return AnswerSessionEndWith(dialog, outcome != Outcome::kKeepEditing);
}

void TellRefusedText(ListEditorState& editor) {
  if (editor.tellingRefusal) return;
  HWND dialog = editor.dialog;
  editor.tellingRefusal = true;
  // Text refused again while the notice is open is told again when it closes.
  while (editor.dialog == dialog && editor.refusalUntold) {
    editor.refusalUntold = false;
    ShowNotice(kTextRefusedNotice, MB_ICONWARNING | MB_OK, "");
  }
  if (editor.dialog == dialog) editor.tellingRefusal = false;
}

int32_t EditorLineToSelect(HWND editBox) {
  int line = EditCaretLine(editBox);
  bool lineHasText = EditLineLength(editBox, EditLineStart(editBox, line)) > 0;
  return lineHasText ? line + 1 : line;
}
