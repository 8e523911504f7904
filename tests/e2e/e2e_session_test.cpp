// The session itself: what it changes in the Wine prefix is put back when it ends.
#include "e2e_session.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// The prefix's browser launcher setting; nothing when it is not set.
std::optional<std::wstring> BrowsersSetting() {
  wchar_t value[2048] = {};
  DWORD size = sizeof(value);
  if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", L"Browsers", RRF_RT_REG_SZ,
                   nullptr, value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(value);
}

TEST(Session, PutsThePrefixsBrowserSettingBack) {
  std::optional<std::wstring> before = BrowsersSetting();
  {
    Session session;
    EXPECT_NE(BrowsersSetting(), before) << "launches are recorded while the session lasts";
  }
  EXPECT_EQ(BrowsersSetting(), before);
}

}  // namespace
