// Driving the real quillet.exe from another process, as a user would: start it from a folder,
// wait for its windows, read its list, status bar and message texts, press its buttons and
// keys, answer its notices, and end it. Every wait is bounded; nothing here sleeps and hopes.
//
// Input is posted to the program's windows (keys, characters, mouse clicks, button clicks),
// so it reaches the program's own message loop exactly like typed input would, without
// needing the keyboard focus of the display. Reading uses messages that the platform carries
// across processes; where it does not (the status bar), the text is read through a buffer in
// the program's memory. Windows and notices are found, read and answered with the functions of
// support/dialog_windows.h (WindowText, NoticeText, AnswerNotice, ClickButton, ...), the same
// finder the in-process dialog script uses.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/dialog_windows.h"
#include "support/main_caption.h"
#include "support/scratch_files.h"

// The longest any single wait lasts.
constexpr DWORD kDriverTimeoutMs = 20000;

// A running quillet.exe.
struct QuilletProcess {
  HANDLE process = nullptr;
  DWORD processId = 0;
};

// --- Paths and files ----------------------------------------------------------------------

// The Windows form of a path of the Linux file system (Z:\...), as Wine maps it.
std::wstring WindowsPathOf(const std::string& unixPath);
// The Linux form of a Windows path; empty when Wine has no mapping for it.
std::string UnixPathOf(const std::wstring& windowsPath);

// --- The process --------------------------------------------------------------------------

// Starts the program file with the arguments, in its own folder as working folder, with the
// process creation flags given (CREATE_NEW_CONSOLE: as Explorer starts a console program).
bool StartQuillet(const std::wstring& programPath, const std::wstring& arguments,
                  QuilletProcess& started, DWORD creationFlags = 0);
// Waits until the process has ended; its exit code goes to exitCode.
bool WaitForExit(const QuilletProcess& quillet, DWORD& exitCode,
                 DWORD timeoutMs = kDriverTimeoutMs);
// Ends the process if it still runs (TerminateProcess) and closes its handle.
void EndQuillet(QuilletProcess& quillet);

// --- Windows ------------------------------------------------------------------------------

// The process's visible top-level windows, topmost first.
std::vector<HWND> TopWindows(const QuilletProcess& quillet);
// Waits for a visible top-level window of the process, not a notice, with exactly this caption.
HWND WaitForWindow(const QuilletProcess& quillet, const std::string& caption,
                   DWORD timeoutMs = kDriverTimeoutMs);
// Waits for a visible platform message box of the process whose text contains textPart.
HWND WaitForNotice(const QuilletProcess& quillet, const std::string& textPart,
                   DWORD timeoutMs = kDriverTimeoutMs);
// Waits until the window is gone or hidden.
bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDriverTimeoutMs);
// Waits until the window is enabled again (a modal dialog above it has ended).
bool WaitForWindowEnabled(HWND window, DWORD timeoutMs = kDriverTimeoutMs);

// Waits until the window's text is exactly this text.
bool WaitForText(HWND window, const std::string& text, DWORD timeoutMs = kDriverTimeoutMs);
// The texts of the window's static controls (labels), in creation order.
std::vector<std::string> StaticTexts(HWND window);
// The window's outer rectangle and its client size, in pixels.
RECT WindowRectangle(HWND window);
SIZE ClientSize(HWND window);

// --- Lists and the status bar ---------------------------------------------------------------

// The items of a list box, in list order.
std::vector<std::string> ListItems(HWND list);
// The 1-based position of the selected item; 0 when none is selected.
int ListSelection(HWND list);
// The text of one part (from 1) of a status bar of the process.
std::string StatusText(const QuilletProcess& quillet, HWND statusBar, int part);
// Waits until the status bar part shows exactly this text.
bool WaitForStatusText(const QuilletProcess& quillet, HWND statusBar, int part,
                       const std::string& text, DWORD timeoutMs = kDriverTimeoutMs);

// --- Input ----------------------------------------------------------------------------------

// Clicks a control (a label, for example) near its top-left corner.
void ClickWindow(HWND window);
// Clicks, or double-clicks, the list item at the 1-based position.
void ClickListItem(HWND list, int position, bool doubleClick);
// Presses and releases a key while the window has the keyboard.
void PressKey(HWND window, UINT virtualKey);
// Presses the key with Ctrl held down (Ctrl+V, ...) as the keyboard does: the window is brought
// to the foreground and the keys go in as input of the display (SendInput), since the state of
// Ctrl that shortcuts look at is not carried by posted messages.
void PressKeyWithControl(HWND window, UINT virtualKey);
// Types text into a window character by character; CR LF is typed as Enter.
void TypeText(HWND window, const std::string& text);
// The title bar's close box (the system close command).
void CloseWithCloseBox(HWND window);

// --- The open-file dialog -----------------------------------------------------------------

// Types a path into the file-name box of an open-file dialog and presses its Open button.
bool ChooseFileInDialog(HWND fileDialog, const std::wstring& path);
// Presses Cancel in an open-file dialog.
void CancelFileDialog(HWND fileDialog);

// --- Browser launches -----------------------------------------------------------------------

// Makes Wine hand every URL it opens to a recorder that appends it, one line each, to
// logPath (a Windows path) instead of starting a browser. For the whole Wine prefix: the
// setting found by the first capture is kept, and StopCapturingBrowserLaunches puts it back.
bool CaptureBrowserLaunches(const std::wstring& logPath);
void StopCapturingBrowserLaunches();
// The URLs recorded so far, in the order they arrived.
std::vector<std::string> CapturedLaunches(const std::wstring& logPath);
// Waits until at least count URLs have been recorded.
bool WaitForLaunches(const std::wstring& logPath, size_t count, DWORD timeoutMs = kDriverTimeoutMs);
