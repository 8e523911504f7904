#include "picture_script.h"

#include <windows.h>

#include "dialog_layer/dialog_layer.h"
#include "support/dialog_script.h"

namespace {

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Touch(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

}  // namespace

void StartPictureScript(const std::string& folder, const std::string& caption, int buttonId) {
  auto dialog = [caption] { return FindWindowWithCaption(ThisThread(), caption); };
  StartScript({{"dialog open", [dialog] { return dialog() != nullptr; },
                [folder] { Touch(folder + "\\ready"); }},
               {"picture taken", [folder] { return FileExists(folder + "\\done"); },
                [dialog, buttonId] {
                  if (buttonId) return ClickButton(dialog(), buttonId);
                  DismissDialog(dialog(), 0);
                }}});
}

int FinishPictureScript() {
  return FinishScript().empty() ? 0 : 1;
}
