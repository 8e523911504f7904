#include "dialog_layer/layer_fixture.h"

#include <gtest/gtest.h>

int gOwnerIdleCount = 0;
void (*gOwnerIdleAction)(HWND owner) = nullptr;

namespace {

// Every test program of the layer runs with the layer and this thread's settings made, as the
// program does before its start-up.
class LayerEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    InitDialogLayer();
    ASSERT_TRUE(InitDialogLayerThread());
  }
  void TearDown() override {
    ReleaseDialogLayer();
    ReleaseDialogLayerThread();
  }
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new LayerEnvironment);

LRESULT CALLBACK PlainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE) {
    ++gOwnerIdleCount;
    if (gOwnerIdleAction) gOwnerIdleAction(window);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* PlainWindowClass() {
  static const wchar_t* const name = [] {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = PlainWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"LayerTestOwner";
    RegisterClassW(&windowClass);
    return L"LayerTestOwner";
  }();
  return name;
}

}  // namespace

HWND MakeDialog(HWND owner, int x, int y, int width, int height, DWORD style) {
  return NewDialog(kPixelMode, owner, "Test", x, y, width, height, style, 0);
}

HWND MakePlainWindow(int x, int y) {
  HWND window =
      CreateWindowExW(0, PlainWindowClass(), L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 400,
                      300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  gOwnerIdleCount = 0;
  gOwnerIdleAction = nullptr;
  return window;
}

RECT WindowRectOf(HWND window) {
  RECT rect = {0, 0, 0, 0};
  GetWindowRect(window, &rect);
  return rect;
}

SIZE ClientSizeOf(HWND window) {
  RECT rect = {0, 0, 0, 0};
  GetClientRect(window, &rect);
  return {rect.right, rect.bottom};
}

RECT WorkArea() {
  RECT area = {0, 0, 0, 0};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

LONG StyleOf(HWND window) {
  return GetWindowLongW(window, GWL_STYLE);
}

LONG ExtendedStyleOf(HWND window) {
  return GetWindowLongW(window, GWL_EXSTYLE);
}
