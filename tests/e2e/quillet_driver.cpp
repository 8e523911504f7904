#include "quillet_driver.h"

#include <commctrl.h>
#include <dlgs.h>  // control ids of the common dialogs; needs windows.h first

#include <vector>

#include "dialog_layer/dialog_layer.h"
#include "support/wait.h"

namespace {

// Wine's own conversions between its file systems' path forms.
using ToUnixName = char*(CDECL*)(const wchar_t*);
using ToDosName = wchar_t*(CDECL*)(const char*);

template <typename Function>
Function WineExport(const char* name) {
  FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// The file-name box of an open-file dialog: the edit box of the file-name combo box (cmb13)
// of the Explorer-style dialog, or the plain file-name edit box (edt1).
HWND FileNameBox(HWND fileDialog) {
  if (HWND combo = GetDlgItem(fileDialog, cmb13)) {
    HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
    return edit ? edit : combo;
  }
  return GetDlgItem(fileDialog, edt1);
}

void PostKey(HWND window, UINT message, UINT virtualKey, bool release) {
  UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  LPARAM lParam = 1 | (static_cast<LPARAM>(scanCode) << 16);
  if (release) lParam |= (1u << 30) | (1u << 31);
  PostMessageW(window, message, virtualKey, lParam);
}

}  // namespace

// --- Paths and files ----------------------------------------------------------------------

std::wstring WindowsPathOf(const std::string& unixPath) {
  if (unixPath.size() > 1 && unixPath[1] == ':') {  // already a Windows path (native build)
    std::wstring path = ToWide(unixPath);
    for (wchar_t& c : path) {
      if (c == L'/') c = L'\\';
    }
    return path;
  }
  if (auto convert = WineExport<ToDosName>("wine_get_dos_file_name")) {
    if (wchar_t* dosName = convert(unixPath.c_str())) {
      std::wstring path = dosName;
      HeapFree(GetProcessHeap(), 0, dosName);
      return path;
    }
  }
  std::wstring path = L"Z:" + ToWide(unixPath);
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

std::string UnixPathOf(const std::wstring& windowsPath) {
  auto convert = WineExport<ToUnixName>("wine_get_unix_file_name");
  if (!convert) return {};
  char* unixName = convert(windowsPath.c_str());
  if (!unixName) return {};
  std::string path = unixName;
  HeapFree(GetProcessHeap(), 0, unixName);
  return path;
}

// --- The process --------------------------------------------------------------------------

bool StartQuillet(const std::wstring& programPath, const std::wstring& arguments,
                  QuilletProcess& started, DWORD creationFlags) {
  std::wstring commandLine = L"\"" + programPath + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  std::wstring folder = programPath.substr(0, programPath.rfind(L'\\') + 1);
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      creationFlags, nullptr, folder.c_str(), &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  started.process = info.hProcess;
  started.processId = info.dwProcessId;
  return true;
}

bool WaitForExit(const QuilletProcess& quillet, DWORD& exitCode, DWORD timeoutMs) {
  if (WaitForSingleObject(quillet.process, timeoutMs) != WAIT_OBJECT_0) return false;
  return GetExitCodeProcess(quillet.process, &exitCode) != FALSE;
}

void EndQuillet(QuilletProcess& quillet) {
  if (!quillet.process) return;
  if (WaitForSingleObject(quillet.process, 0) != WAIT_OBJECT_0) {
    TerminateProcess(quillet.process, 1);
    WaitForSingleObject(quillet.process, kDriverTimeoutMs);
  }
  CloseHandle(quillet.process);
  quillet = QuilletProcess();
}

// --- Windows ------------------------------------------------------------------------------

std::vector<HWND> TopWindows(const QuilletProcess& quillet) {
  return VisibleTopWindows(OtherProcess(quillet.processId));
}

HWND WaitForWindow(const QuilletProcess& quillet, const std::string& caption, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindWindowWithCaption(OtherProcess(quillet.processId), caption);
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

HWND WaitForNotice(const QuilletProcess& quillet, const std::string& textPart, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND notice : OpenNotices(OtherProcess(quillet.processId))) {
          if (NoticeText(notice).find(textPart) != std::string::npos) found = notice;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

bool WaitForWindowEnabled(HWND window, DWORD timeoutMs) {
  return WaitUntil([&] { return IsWindow(window) && IsWindowEnabled(window); }, timeoutMs);
}

bool WaitForText(HWND window, const std::string& text, DWORD timeoutMs) {
  return WaitUntil([&] { return WindowText(window) == text; }, timeoutMs);
}

std::vector<std::string> StaticTexts(HWND window) {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (HasClass(child, L"Static")) texts.push_back(WindowText(child));
  }
  return texts;
}

RECT WindowRectangle(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

SIZE ClientSize(HWND window) {
  RECT rect = {};
  GetClientRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// --- Lists and the status bar ---------------------------------------------------------------

std::vector<std::string> ListItems(HWND list) {
  std::vector<std::string> items;
  LRESULT count = SendWithTimeout(list, LB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    LRESULT length = SendWithTimeout(list, LB_GETTEXTLEN, index, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    LRESULT copied =
        SendWithTimeout(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    items.push_back(ToUtf8(text));
  }
  return items;
}

int ListSelection(HWND list) {
  LRESULT index = SendWithTimeout(list, LB_GETCURSEL, 0, 0);
  return index < 0 ? 0 : static_cast<int>(index) + 1;
}

std::string StatusText(const QuilletProcess& quillet, HWND statusBar, int part) {
  // SB_GETTEXTW is not carried across processes: the bar writes into a buffer in its own
  // process, which is then read from there.
  LRESULT length = SendWithTimeout(statusBar, SB_GETTEXTLENGTHW, part - 1, 0);
  if (length < 0) return {};
  size_t characters = LOWORD(length) + 1;
  size_t bytes = characters * sizeof(wchar_t);
  void* remote = VirtualAllocEx(quillet.process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  if (!remote) return {};
  std::wstring text(characters, L'\0');
  SendWithTimeout(statusBar, SB_GETTEXTW, part - 1, reinterpret_cast<LPARAM>(remote));
  SIZE_T read = 0;
  ReadProcessMemory(quillet.process, remote, text.data(), bytes, &read);
  VirtualFreeEx(quillet.process, remote, 0, MEM_RELEASE);
  text.resize(LOWORD(length));
  return ToUtf8(text);
}

bool WaitForStatusText(const QuilletProcess& quillet, HWND statusBar, int part,
                       const std::string& text, DWORD timeoutMs) {
  return WaitUntil([&] { return StatusText(quillet, statusBar, part) == text; }, timeoutMs);
}

// --- Input ----------------------------------------------------------------------------------

void ClickWindow(HWND window) {
  LPARAM point = MAKELPARAM(3, 3);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(window, WM_LBUTTONUP, 0, point);
}

void ClickListItem(HWND list, int position, bool doubleClick) {
  LRESULT itemHeight = SendWithTimeout(list, LB_GETITEMHEIGHT, 0, 0);
  LRESULT topIndex = SendWithTimeout(list, LB_GETTOPINDEX, 0, 0);
  int y = static_cast<int>((position - 1 - topIndex) * itemHeight + itemHeight / 2);
  LPARAM point = MAKELPARAM(8, y);
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(list, WM_LBUTTONUP, 0, point);
  if (!doubleClick) return;
  PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
  PostMessageW(list, WM_LBUTTONUP, 0, point);
}

void PressKey(HWND window, UINT virtualKey) {
  PostKey(window, WM_KEYDOWN, virtualKey, false);
  PostKey(window, WM_KEYUP, virtualKey, true);
}

void PressKeyWithControl(HWND window, UINT virtualKey) {
  SetForegroundWindow(GetAncestor(window, GA_ROOT));
  INPUT keys[4] = {};
  const WORD order[4] = {VK_CONTROL, static_cast<WORD>(virtualKey), static_cast<WORD>(virtualKey),
                         VK_CONTROL};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = order[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, keys, sizeof(INPUT));
}

void TypeText(HWND window, const std::string& text) {
  for (wchar_t c : ToWide(text)) {
    if (c == L'\n') continue;  // Enter types the whole line break
    PostMessageW(window, WM_CHAR, c, 1);
  }
}

void CloseWithCloseBox(HWND window) {
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// --- The open-file dialog -----------------------------------------------------------------

bool ChooseFileInDialog(HWND fileDialog, const std::wstring& path) {
  HWND nameBox = FileNameBox(fileDialog);
  if (!nameBox) return false;
  SendWithTimeout(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(GetDlgItem(fileDialog, IDOK), BM_CLICK, 0, 0);
  return true;
}

void CancelFileDialog(HWND fileDialog) {
  PostMessageW(GetDlgItem(fileDialog, IDCANCEL), BM_CLICK, 0, 0);
}

// --- Browser launches -----------------------------------------------------------------------

namespace {

constexpr wchar_t kBrowserKey[] = L"Software\\Wine\\WineBrowser";

// The launcher setting as the first capture found it, for StopCapturingBrowserLaunches.
struct BrowserSetting {
  bool saved = false;
  bool keyExisted = false;
  bool valueExisted = false;
  std::wstring value;
};
BrowserSetting gBrowserSetting;

void SaveBrowserSetting(HKEY key, DWORD disposition) {
  if (gBrowserSetting.saved) return;
  gBrowserSetting.saved = true;
  gBrowserSetting.keyExisted = disposition == REG_OPENED_EXISTING_KEY;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, L"Browsers", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return;
  }
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key, L"Browsers", nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()),
                       &size) != ERROR_SUCCESS) {
    return;
  }
  gBrowserSetting.valueExisted = true;
  gBrowserSetting.value = value.c_str();
}

bool SetBrowsers(HKEY key, const std::wstring& browsers) {
  return RegSetValueExW(
             key, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(browsers.c_str()),
             static_cast<DWORD>((browsers.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

bool CaptureBrowserLaunches(const std::wstring& logPath) {
  std::wstring scriptPath = logPath + L".sh";
  std::string unixScript = UnixPathOf(scriptPath);
  std::string unixLog = UnixPathOf(logPath);
  if (unixScript.empty() || unixLog.empty()) return false;
  // Wine's browser launcher runs: /bin/sh script log URL.
  if (!WriteFileBytes(scriptPath, "#!/bin/sh\nprintf '%s\\n' \"$2\" >> \"$1\"\n")) return false;
  std::wstring browsers = L"/bin/sh \"" + ToWide(unixScript) + L"\" \"" + ToWide(unixLog) + L"\"";
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kBrowserKey, 0, nullptr, 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                      &disposition) != ERROR_SUCCESS) {
    return false;
  }
  SaveBrowserSetting(key, disposition);
  bool set = SetBrowsers(key, browsers);
  RegCloseKey(key);
  return set;
}

void StopCapturingBrowserLaunches() {
  if (!gBrowserSetting.saved) return;
  if (!gBrowserSetting.keyExisted) {
    RegDeleteKeyW(HKEY_CURRENT_USER, kBrowserKey);
  } else if (HKEY key = nullptr; RegOpenKeyExW(HKEY_CURRENT_USER, kBrowserKey, 0, KEY_SET_VALUE,
                                               &key) == ERROR_SUCCESS) {
    if (gBrowserSetting.valueExisted) {
      SetBrowsers(key, gBrowserSetting.value);
    } else {
      RegDeleteValueW(key, L"Browsers");
    }
    RegCloseKey(key);
  }
  gBrowserSetting = BrowserSetting();
}

std::vector<std::string> CapturedLaunches(const std::wstring& logPath) {
  std::vector<std::string> launches;
  std::string bytes = ReadFileBytes(logPath);
  size_t start = 0;
  for (size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
    launches.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  return launches;
}

bool WaitForLaunches(const std::wstring& logPath, size_t count, DWORD timeoutMs) {
  return WaitUntil([&] { return CapturedLaunches(logPath).size() >= count; }, timeoutMs);
}
