// Holding the end of the session with a reason the system can show.
#include "dialog_layer/dialog_layer.h"

void HoldSessionEnd(HWND window, const std::string& reason) {
  ShutdownBlockReasonCreate(window, ToWide(reason).c_str());
}

void ReleaseSessionEnd(HWND window) {
  ShutdownBlockReasonDestroy(window);
}
