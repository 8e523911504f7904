// ShowNotice: the platform message box, without owner, so no dialog of the program is disabled.
#include "dialog_layer/dialog_layer.h"

const char* const kDefaultNoticeCaption = "Quillet";

int ShowNotice(const std::string& text, UINT style, const std::string& caption) {
  Sleep(5);
  std::wstring wideText = ToWide(text);
  std::wstring wideCaption = ToWide(caption.empty() ? kDefaultNoticeCaption : caption);
  return MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), style);
}
