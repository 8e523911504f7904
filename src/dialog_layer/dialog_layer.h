// The dialog layer: the program's thin layer over the Win32 window API. Every window of the
// program is a dialog of this layer, built at run time from numbers, with one callback that
// receives its messages. The program's texts are UTF-8; the layer converts them to UTF-16 for
// the platform and back.
//
// Pixels. Every pixel number that the program hands to the layer or gets from it is a layout
// pixel: a pixel at 96 DPI (100 %). The layer scales what it hands to the platform by the DPI
// of the window concerned (a control's is its dialog's) and scales back what it reads, as it
// converts text; it makes the dialog font at that DPI. So at any display scale the layout is
// the 100 % layout scaled, rounded as layout_scale.h says (to the nearest pixel, halves to
// the even one; measured text extents up, so that what is sized by them holds them).
// These stay in device pixels, the platform's own:
// - The main list's horizontal extent (ListSetScrollWidth) and the text widths it is made from
//   (MeasureTextIn): they are measured in the list's own font on its own device context, and
//   the list compares the extent with its own width in device pixels. Through layout pixels
//   and back they would lose up to a pixel, enough to cut off the end of the widest text. When
//   a dialog's DPI changes, the layer scales the extent of its list boxes with it.
// - What the platform's messages carry (the client size of WM_SIZE, the rectangle of
//   WM_DPICHANGED): the layer passes them on as the platform sends them.
// - Centring on the work area and keeping a window inside it: they move a window whose size
//   the platform has made, and work on that size as it is.
#pragma once

#include <windows.h>
#include <commctrl.h>  // SBT_* drawing styles of SetStatusText
#include <commdlg.h>   // OFN_* flags of ChooseOpenFile

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialog_layer/layout_scale.h"

struct IDropTarget;  // the platform's OLE drop target (oleidl.h)

// A dialog callback: returns 0 to leave the message to the layer's default handling, any other
// value to mark it handled.
using DialogCallback = int32_t (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Units mode of NewDialog: sizes and positions in pixels, the size being the client area.
constexpr int kPixelMode = 2;

// The layer's one marker value, 0x80000000, under the name of each of its meanings.
constexpr int32_t kMarkerValue = INT32_MIN;
// As x or y of NewDialog: centre the dialog on the work area.
constexpr int32_t kCentred = kMarkerValue;
// As x or y of ChooseOpenFile: the default placement.
constexpr int32_t kDefaultPlacement = kMarkerValue;
// As a control id (SetColors, GetClientSize, SetControlSize): the dialog itself.
constexpr int32_t kTheDialog = kMarkerValue;

// Control kinds of AddControl.
enum ControlKind : int {
  kPushButton = 1,
  kLabel = 5,
  kTextBox = 9,
  kStatusBar = 20,
  kListBox = 25,
};

// Colour markers of SetColors (besides real COLORREF values 0x00BBGGRR).
constexpr int32_t kDefaultColor = -1;      // the platform's colour for the control type
constexpr int32_t kTransparentColor = -2;  // background only

// --- Process and thread set-up -----------------------------------------------------------

// Registers the common-control classes (the status bar among them). The layer's
// font descriptions are fixed: font 1, "MS Sans Serif" 8 pt, is every dialog's font.
void InitDialogLayer();
// Makes this thread's settings (dialog font 1, text code page CP_UTF8); false on failure.
bool InitDialogLayerThread();
// Releases this thread's settings (the thread-local storage).
void ReleaseDialogLayerThread();
// Releases what the layer still holds at the end of the process: records of windows that were
// never destroyed, their brushes, and the dialog fonts made for other DPIs.
void ReleaseDialogLayer();

// --- Text conversion: every text that crosses to the platform goes through these ---------

std::wstring ToWide(std::string_view text);  // the program's UTF-8 -> UTF-16
// The same into a buffer that is reused from text to text, so that it is allocated only once.
void ToWideInto(std::string_view text, std::wstring& wide);
// UTF-16 -> the program's UTF-8; a surrogate without its partner becomes U+FFFD.
std::string ToUtf8(const std::wstring& text);
std::string ToUtf8(const wchar_t* text, int length);

// --- Dialogs, controls and callbacks ------------------------------------------------------

// A hidden dialog whose client area is width x height pixels; x or y kCentred centres it
// on the work area. Only kPixelMode is built: any other mode gives 0.
HWND NewDialog(int unitsMode, HWND owner, const std::string& caption, int x, int y, int width,
               int height, DWORD style, DWORD extendedStyle);
void AddControl(int kind, HWND dialog, int id, const std::string& text, int x, int y, int width,
                int height, DWORD style, DWORD extendedStyle);
// Returns when the dialog has been destroyed; the end value goes to *result when given.
void ShowModal(HWND dialog, DialogCallback callback, int32_t* result);
void ShowModeless(HWND dialog, DialogCallback callback);
void DismissDialog(HWND dialog, int32_t endValue);
void SetColors(HWND dialog, int32_t controlId, int32_t textColor, int32_t backgroundColor);
void FocusControl(HWND dialog, int id);
HWND ControlHandle(HWND dialog, int id);
std::string GetControlText(HWND window);
// Sets a control's text (or a dialog's caption); false when the window did not take all of it
// (an edit box out of memory).
bool SetControlText(HWND window, const std::string& text);
SIZE GetClientSize(HWND dialog, int32_t controlId);
// A control's size; for the dialog itself (kTheDialog), its outer size, frame included.
void SetControlSize(HWND dialog, int32_t controlId, int width, int height);
// Controls that come and go: a hidden control takes no input and no room on the screen; a
// control placed anew keeps that place (layout pixels) at any DPI; a text box's cue is the grey
// text it shows while empty, with the focus too; a key sent is handled as if pressed while the
// control had the focus.
void ShowControl(HWND dialog, int id, bool shown);
void PlaceControl(HWND dialog, int id, int x, int y, int width, int height);
void SetCueText(HWND dialog, int id, const std::string& text);
void SendKeyToControl(HWND dialog, int id, UINT virtualKey);
// Selects the whole text of a text box.
void SelectAllText(HWND dialog, int id);
HACCEL AttachAccelerators(HWND dialog, const std::vector<ACCEL>& records);
// The records of the table attached to the dialog, in their order; none when it has none.
std::vector<ACCEL> AttachedAccelerators(HWND dialog);
// For a callback that handles a message whose result is not its own non-zero answer: the
// message's result becomes this value (0 included), and the callback then returns any
// non-zero value to mark the message handled.
void SetMessageResult(HWND dialog, LRESULT result);

// --- Display scale: the pixel numbers of the layout, at the window's DPI ------------------

// The DPI the window's layout is scaled by: for a dialog of the layer (and its controls), the
// platform's when the dialog was made, then the one of each WM_DPICHANGED; for another window
// the platform's (GetDpiForWindow, or LOGPIXELSY where the system lacks it); the system's
// without a window.
int WindowDpi(HWND window);
// Layout pixels in the window's device pixels, for the platform calls the layer does not wrap.
int ScaleForWindow(HWND window, int layoutPixels);
// The window's rectangle on the screen (GetWindowRect), its edges in layout pixels of its DPI;
// false when there is no such window.
bool GetLayoutWindowRect(HWND window, RECT& rect);
// Moves and sizes a dialog, repainting it: its top-left corner on the screen and its outer size
// (frame and title bar included), in layout pixels. The client area is that of a window of that
// outer size at 96 DPI, scaled: at another DPI the frame and title bar are the platform's own.
void MoveDialog(HWND dialog, int x, int y, int width, int height);
// Moves the window as little as it takes to lie inside the work area of its monitor; a window
// too large for the work area starts at its left or top edge.
void KeepInWorkArea(HWND window);

// --- Text measurement: every text the program measures goes through these -----------------

// The extent, in device pixels, of the text in the font selected into the device context:
// GetTextExtentPoint32W of its UTF-16 form, which is converted into wide (room reused from text
// to text). {0, 0} when it cannot be measured.
SIZE MeasureTextIn(HDC context, std::string_view text, std::wstring& wide);

// Measures texts as a dialog of the layer draws them: while it lives, the dialog's font is
// selected into a device context of the dialog.
struct DialogTextMeasure {
  explicit DialogTextMeasure(HWND window);
  ~DialogTextMeasure();
  DialogTextMeasure(const DialogTextMeasure&) = delete;
  DialogTextMeasure& operator=(const DialogTextMeasure&) = delete;

  // The text's extent in layout pixels: the larger of its extent in the dialog font at 96 DPI,
  // which is what the 100 % layout measures, and its extent at the dialog's DPI scaled back,
  // rounded up. A layout made from it is the 100 % layout scaled, and still holds the text
  // where the font at the dialog's DPI is relatively wider than at 100 %.
  SIZE LayoutExtent(std::string_view text);

  HWND dialog = nullptr;
  int dpi = kLayoutDpi;
  HDC context = nullptr;
  HFONT font = nullptr;        // the dialog's font at its DPI
  HFONT layoutFont = nullptr;  // the same font at 96 DPI; none when the dialog is at 96 DPI
  HGDIOBJ previousFont = nullptr;
  std::wstring wide;
};

// --- Links dropped on a dialog --------------------------------------------------------------

// A link dropped on a dialog, as browsers and Explorer hand it over: "text/x-moz-url" (the URL,
// a line break, the title), "UniformResourceLocatorW" or "UniformResourceLocator" with the title
// of "FileGroupDescriptorW" ("title.url"), or an Internet shortcut (.url) file, whose name is
// the title. UTF-8; the title is empty when the drop carries none.
struct DroppedLink {
  std::string url;
  std::string title;
};
// What a dialog that accepts links gets when one is dropped on it, after the drop has ended: its
// callback is called with this message and lParam pointing to the DroppedLink, which lives for
// that call.
constexpr UINT kLinkDroppedMessage = WM_APP + 0x2A0;
// Makes the dialog (and its controls) a place to drop links on; the thread must have called
// OleInitialize. False when the platform refuses. The layer stops it when the dialog goes.
bool AcceptLinkDrops(HWND dialog);
void StopLinkDrops(HWND dialog);
// The dialog's drop target, to hand it data as a drag would; nullptr when it accepts no links.
IDropTarget* LinkDropTargetOf(HWND dialog);

// --- The clipboard ----------------------------------------------------------------------------

// The text on the clipboard; empty when it holds none or cannot be opened.
std::string ClipboardText(HWND owner);

// --- Keys that text fields keep ---------------------------------------------------------------

// Shortcuts of the dialog that act only while the keyboard focus is not in a text field (an
// edit control): there the keys edit the text as usual. Translated by the modal loop after the
// dialog's accelerators.
void AttachKeysOutsideText(HWND dialog, const std::vector<ACCEL>& records);

// --- The end of the session ---------------------------------------------------------------

// While held, the system shows the reason as what keeps it from logging off or shutting down
// (when it shows such reasons: Windows Vista and later).
void HoldSessionEnd(HWND window, const std::string& reason);
void ReleaseSessionEnd(HWND window);

// --- Dialog services ----------------------------------------------------------------------

void SetStatusParts(HWND dialog, int statusId, const std::vector<int>& rightEdges);
void SetStatusText(HWND dialog, int statusId, int part, int drawingStyle, const std::string& text);

// List-box operations; positions count from 1.
int ListAddItem(HWND dialog, int listId, const std::string& text);
void ListReset(HWND dialog, int listId);
// Makes room for that many more items and bytes of item text before a refill (LB_INITSTORAGE),
// so that the list does not grow its storage item by item; false when there is no room. Wine's
// list box gives back all but 32 items' room at the next item added: a big fill reserves again
// as it goes (main_list_fill.cpp).
bool ListReserve(HWND dialog, int listId, int items, size_t textBytes);
// While suspended the list draws neither its items nor its scroll bars (WM_SETREDRAW); resuming
// brings the scroll bars up to date and redraws the list once, whole, frame included.
void ListSuspendRedraw(HWND dialog, int listId);
void ListResumeRedraw(HWND dialog, int listId);
void ListSelect(HWND dialog, int listId, int position);
int ListSelected(HWND dialog, int listId);                       // 0 when nothing is selected
int32_t ListGetItemData(HWND dialog, int listId, int position);  // -1 (LB_ERR) when missing
void ListSetItemData(HWND dialog, int listId, int position, int32_t value);
// LB_SETHORIZONTALEXTENT, in device pixels (see "Pixels" above).
void ListSetScrollWidth(HWND dialog, int listId, int pixels);
int ListCount(HWND dialog, int listId);

// The order of a sorted list box. It compares the texts of its items (CompareStringW, letter
// case ignored) in its own locale (LB_GETLOCALE), and places a new item by a search over the
// items it holds. Filling it faster than item by item with its own search means putting items
// in place (LB_INSERTSTRING) and checking that they stand as that comparison orders them.
struct ListOrder {
  uint32_t locale = 0;
  // A sorted list that compares its texts itself; an owner-drawn one may leave the comparing
  // to its owner (WM_COMPAREITEM), and an unsorted one keeps items where they are put.
  bool comparesTexts = false;
};
ListOrder ListOrderOf(HWND dialog, int listId);
// Appends to keys the platform's sort key of the text under a list's comparison (its locale,
// letter case ignored), without the final zero byte: keys compared byte by byte, a shorter one
// first when it is the start of the other, order texts as that comparison does.
struct ListSortKeyMaker {
  uint32_t locale = 0;  // the list's
  std::wstring wide;    // room for the text in UTF-16, reused from text to text
};
void AppendListSortKey(ListSortKeyMaker& maker, std::string_view text, std::string& keys);

// Puts items into a list at given positions one after another, bypassing its search, and
// compares each text with the one put in before it as the list compares.
struct ListPlacement {
  HWND list = nullptr;
  uint32_t locale = 0;
  std::wstring previous;  // the text put in before the last one
  std::wstring text;      // the text put in last
  int32_t placed = 0;     // items put in so far
  // False when the order is known already (items put back as the list held them): the texts
  // are then not compared, and every item's previousOrder is -1.
  bool compares = true;
};
ListPlacement StartListPlacement(HWND dialog, int listId);
struct PlacedItem {
  int position = 0;  // where the item stands, from 1; 0 when the list has no room (LB_ERRSPACE)
  // How the text put in before it compares with this one: -1 sorts before, 0 equal, 1 after,
  // -2 not comparable (-1 for the first item).
  int previousOrder = -1;
};
// Puts the text at the position (from 1) and gives the item the value.
PlacedItem PlaceListItem(ListPlacement& placement, int position, std::string_view text,
                         int32_t value);
std::string ListItemText(HWND dialog, int listId, int position);

// A platform message box without owner; an empty caption shows kDefaultNoticeCaption
// ("Quillet").
extern const char* const kDefaultNoticeCaption;
int ShowNotice(const std::string& text, UINT style, const std::string& caption);

// One filter pair of the open-file dialog: description and pattern.
using FileFilter = std::pair<std::string, std::string>;
struct OpenFileChoice {
  std::string path;  // empty when cancelled
  int count = 0;     // 0 when cancelled, else 1
};
OpenFileChoice ChooseOpenFile(HWND owner, int x, int y, const std::string& title,
                              const std::string& initialFolder,
                              const std::vector<FileFilter>& filter, const std::string& startName,
                              const std::string& defaultExtension, DWORD flags);

// In layout pixels of the system's DPI.
SIZE WorkAreaSize();
