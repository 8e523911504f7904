#include <gtest/gtest.h>
#include <cstdio>
#include "dialogs/sized_message_box.h"
#include "dialog_layer/dialog_layer.h"
#include "support/wait.h"
TEST(Probe, Time) {
  DWORD t0 = GetTickCount();
  SizedMessageBox("x", 0, "probe", 0, 10, 10);
  DWORD t1 = GetTickCount();
  HWND box = FindWindowW(nullptr, L"probe");
  DismissDialog(box, 0);
  DWORD t2 = GetTickCount();
  HWND d = NewDialog(kPixelMode, nullptr, "p2", 10, 10, 100, 100, 0, 0);
  DWORD t3 = GetTickCount();
  ShowModeless(d, nullptr);
  DWORD t4 = GetTickCount();
  SetWindowPos(d, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  DWORD t5 = GetTickCount();
  DismissDialog(d, 0);
  DWORD t6 = GetTickCount();
  HANDLE h = LoadImageA(nullptr, MAKEINTRESOURCEA(32516), IMAGE_ICON, 32, 32, 0);
  printf("box %lu dismiss %lu new %lu show %lu topmost %lu dismiss %lu icon %p\n", t1 - t0, t2 - t1,
         t3 - t2, t4 - t3, t5 - t4, t6 - t5, h);
}
