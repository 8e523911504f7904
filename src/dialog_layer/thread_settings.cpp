// Per-thread settings of the dialog layer in thread-local storage.
#include "dialog_layer/thread_settings.h"

#include "dialog_layer/dialog_layer.h"

namespace {

struct ThreadSettings {
  int dialogFontNumber = 1;
  UINT codePage = CP_UTF8;
};

DWORD gSettingsSlot = TLS_OUT_OF_INDEXES;

const ThreadSettings* CurrentSettings() {
  if (gSettingsSlot == TLS_OUT_OF_INDEXES) return nullptr;
  return static_cast<const ThreadSettings*>(TlsGetValue(gSettingsSlot));
}

}  // namespace

bool InitDialogLayerThread() {
  if (gSettingsSlot == TLS_OUT_OF_INDEXES) gSettingsSlot = TlsAlloc();
  if (gSettingsSlot == TLS_OUT_OF_INDEXES) return false;
  if (TlsGetValue(gSettingsSlot)) return true;
  return TlsSetValue(gSettingsSlot, new ThreadSettings()) != FALSE;
}

void ReleaseDialogLayerThread() {
  if (gSettingsSlot == TLS_OUT_OF_INDEXES) return;
  delete static_cast<ThreadSettings*>(TlsGetValue(gSettingsSlot));
  TlsFree(gSettingsSlot);
  gSettingsSlot = TLS_OUT_OF_INDEXES;
}

UINT ConversionCodePage() {
  const ThreadSettings* settings = CurrentSettings();
  return settings ? settings->codePage : CP_UTF8;
}

int DialogFontNumber() {
  const ThreadSettings* settings = CurrentSettings();
  return settings ? settings->dialogFontNumber : 1;
}
