// ShowNotice: the platform message box, without owner, so no dialog of the program is disabled.
#include "dialog_layer/dialog_layer.h"

const char* const kDefaultNoticeCaption = "Quillet";

int ShowNotice(const std::string& text, UINT style, const std::string& caption) {
  // A moment's pause first gives up the processor, so that the system can finish what the last
  // action set going (a dialog just closed, windows repainting) before a new top-level window
  // without owner takes the foreground. Nothing depends on its exact length.
  Sleep(5);
  std::wstring wideText = ToWide(text);
  std::wstring wideCaption = ToWide(caption.empty() ? kDefaultNoticeCaption : caption);
  return MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), style);
}
