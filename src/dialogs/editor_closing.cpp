#include "dialogs/editor_closing.h"

#include <string>

#include "dialog_layer/dialog_layer.h"
#include "dialogs/edit_box.h"
#include "dialogs/list_editor.h"
#include "list/list_file.h"
#include "list/website_list.h"

const char* const kSaveQuestion = "Do you want to save this data?";
const char* const kTextRefusedNotice =
    "The editor could not take all of the text that was typed or pasted: the part it refused "
    "is not in the list.\nLook the list over before you save it.";
const char* const kSessionEndReason = "Unsaved changes to the website list";

std::string InexactTextQuestion(int line) {
  return "Line " + std::to_string(line) +
         " holds characters that the list file cannot hold. Saved, they become \"?\" or a "
         "similar letter.\n\nSave anyway?\nNo goes back to the editor.";
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
bool StillOpen(HWND dialog) {
  return gListEditor.dialog == dialog && IsWindow(dialog);
}

bool AgreesToSaveAnyway(HWND dialog, const std::string& question) {
  int answer = ShowNotice(question, kSaveAnywayStyle, "");
  return StillOpen(dialog) && answer == IDYES;
}

// The text is read again after every question, for the editor stays usable while one is open:
// what is saved is what the editor holds when the save starts.
Outcome SaveEditorText(HWND dialog) {
  bool inexactAgreed = false;
  bool outsideChangeAgreed = false;
  for (;;) {
    HWND editBox = gListEditor.editBox;
    CheckedText text = GetControlTextChecked(editBox);
    if (text.firstInexact >= 0 && !inexactAgreed) {
      int line = EditLineOfCharacter(editBox, text.firstInexact) + 1;
      if (!AgreesToSaveAnyway(dialog, InexactTextQuestion(line))) return Outcome::kKeepEditing;
      inexactAgreed = true;
      continue;
    }
    if (!outsideChangeAgreed && ListFileChangedSinceLoad()) {
      std::string question = ChangedFileQuestion(gWebsiteList.listFilePath);
      if (!AgreesToSaveAnyway(dialog, question)) return Outcome::kKeepEditing;
      outsideChangeAgreed = true;
      continue;
    }
    // A failed save has said why; the text and its changed state stay for another try.
    bool saved = SaveEditedText(text.text, EditorLineToSelect(editBox));
    return saved ? Outcome::kSaved : Outcome::kKeepEditing;
  }
}

Outcome AskAndSave(HWND dialog, UINT questionStyle) {
  TellRefusedText();
  if (!StillOpen(dialog)) return Outcome::kKeepEditing;
  int answer = ShowNotice(kSaveQuestion, questionStyle, "");
  if (!StillOpen(dialog) || answer == IDCANCEL) return Outcome::kKeepEditing;
  if (answer == IDNO) return Outcome::kDiscarded;
  return SaveEditorText(dialog);
}

int32_t AnswerSessionEndWith(HWND dialog, bool endAllowed) {
  SetMessageResult(dialog, endAllowed ? TRUE : FALSE);
  return kHandled;
}

}  // namespace

// The question has no owner, so the editor's close box stays within reach while it, or the
// save after it, is running; such a second close is dropped.
int32_t AnswerEditorClose(HWND dialog) {
  if (gListEditor.closing) return kKeepOpen;
  if (!EditIsModified(gListEditor.editBox)) return kLetLayerHandle;
  gListEditor.closing = true;
  Outcome outcome = AskAndSave(dialog, kSaveQuestionStyle);
  if (gListEditor.dialog == dialog) gListEditor.closing = false;
  return outcome == Outcome::kKeepEditing ? kKeepOpen : kLetLayerHandle;
}

// The session cannot wait for a question that is already open: the end is refused, and the
// user answers that question first.
int32_t AnswerSessionEnd(HWND dialog) {
  if (gListEditor.closing) return AnswerSessionEndWith(dialog, false);
  if (!EditIsModified(gListEditor.editBox)) return kLetLayerHandle;
  gListEditor.closing = true;
  HoldSessionEnd(dialog, kSessionEndReason);
  Outcome outcome = AskAndSave(dialog, kSaveQuestionStyle | MB_SETFOREGROUND);
  ReleaseSessionEnd(dialog);
  if (gListEditor.dialog != dialog) return AnswerSessionEndWith(dialog, false);
  gListEditor.closing = false;
  // Saved: should another program refuse the end, the editor does not ask for it again.
  if (outcome == Outcome::kSaved) EditSetModified(gListEditor.editBox, false);
  return AnswerSessionEndWith(dialog, outcome != Outcome::kKeepEditing);
}

void TellRefusedText() {
  if (gListEditor.tellingRefusal) return;
  HWND dialog = gListEditor.dialog;
  gListEditor.tellingRefusal = true;
  // Text refused again while the notice is open is told again when it closes.
  while (gListEditor.dialog == dialog && gListEditor.refusalUntold) {
    gListEditor.refusalUntold = false;
    ShowNotice(kTextRefusedNotice, MB_ICONWARNING | MB_OK, "");
  }
  if (gListEditor.dialog == dialog) gListEditor.tellingRefusal = false;
}
