// Test support: the program's main list, hosted by a test. The host attaches it as the main
// dialog attaches its own (AttachMainList) and lets it go as the program does (DetachMainList):
// the one place of the tests that sets the main list. A library of its own, since it needs the
// list library and the rest of the support serves the dialog layer's tests too.
#pragma once

#include <windows.h>

class MainListHost {
 public:
  // A hidden dialog of the layer, 310 x 350 at (10, 10), holding a main list made as the main
  // dialog makes its own, 300 x 300 at its client origin.
  MainListHost();
  // The main list (control kMainListId) of a dialog the test has made.
  explicit MainListHost(HWND dialog);
  // Lets the main list go and destroys the dialog.
  ~MainListHost();
  MainListHost(const MainListHost&) = delete;
  MainListHost& operator=(const MainListHost&) = delete;

  HWND Dialog() const { return dialog_; }
  HWND List() const { return list_; }

 private:
  HWND dialog_;
  HWND list_;
  HDC deviceContext_;
};
