// List-box operations with positions counted from 1 (the platform counts from 0).
#include "dialog_layer/dialog_layer.h"
#include "dialog_layer/list_window.h"

namespace {

// The list last looked up. Finding a control by its id asks the window server for the dialog's
// children (GetDlgItem), which costs more than the list operation itself; loading or reading a
// big list asks for the same list hundreds of thousands of times in a row.
struct ListLookup {
  HWND dialog = nullptr;
  int listId = 0;
  HWND list = nullptr;
};
ListLookup gLastList;

// The window is still the control with that id in that dialog (a destroyed window's handle
// may have been given to another window since).
bool IsListOf(HWND list, HWND dialog, int listId) {
  return list && IsWindow(list) && GetParent(list) == dialog && GetDlgCtrlID(list) == listId;
}

}  // namespace

HWND ListWindow(HWND dialog, int listId) {
  if (gLastList.dialog == dialog && gLastList.listId == listId &&
      IsListOf(gLastList.list, dialog, listId)) {
    return gLastList.list;
  }
  gLastList = {dialog, listId, GetDlgItem(dialog, listId)};
  return gLastList.list;
}

namespace {

LRESULT SendToList(HWND dialog, int listId, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND list = ListWindow(dialog, listId);
  return list ? SendMessageW(list, message, wParam, lParam) : 0;
}

}  // namespace

int ListAddItem(HWND dialog, int listId, const std::string& text) {
  std::wstring wide = ToWide(text);
  LRESULT index =
      SendToList(dialog, listId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  return static_cast<int>(index) + 1;
}

// Wine's list box tells its owner of every deleted item that carries a value (WM_DELETEITEM,
// which Windows sends for owner-drawn lists only), through the dialog's whole procedure: for a
// big list that costs several times the emptying itself. The values are cleared first.
void ListReset(HWND dialog, int listId) {
  HWND list = ListWindow(dialog, listId);
  if (!list) return;
  LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index), 0);
  }
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
}

bool ListReserve(HWND dialog, int listId, int items, size_t textBytes) {
  LRESULT result = SendToList(dialog, listId, LB_INITSTORAGE, static_cast<WPARAM>(items),
                              static_cast<LPARAM>(textBytes));
  return result != LB_ERRSPACE;
}

// The list box stops drawing its items on WM_SETREDRAW, but goes on updating and drawing its
// scroll bars with every change, which costs more than the change itself. The window's own
// redraw flag, which the default window procedure keeps, stops those too; the property
// remembers that it was this suspension that cleared it.
constexpr wchar_t kRedrawSuspendedProperty[] = L"Quillet.RedrawSuspended";

void ListSuspendRedraw(HWND dialog, int listId) {
  HWND list = ListWindow(dialog, listId);
  if (!list) return;
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  if (!IsWindowVisible(list)) return;
  SetPropW(list, kRedrawSuspendedProperty, reinterpret_cast<HANDLE>(1));
  DefWindowProcW(list, WM_SETREDRAW, FALSE, 0);
}

void ListResumeRedraw(HWND dialog, int listId) {
  HWND list = ListWindow(dialog, listId);
  if (!list) return;
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);  // brings the scroll bars up to date, undrawn
  if (!RemovePropW(list, kRedrawSuspendedProperty)) return;
  DefWindowProcW(list, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
}

void ListSelect(HWND dialog, int listId, int position) {
  SendToList(dialog, listId, LB_SETCURSEL, static_cast<WPARAM>(position - 1), 0);
}

int ListSelected(HWND dialog, int listId) {
  LRESULT index = SendToList(dialog, listId, LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? 0 : static_cast<int>(index) + 1;
}

int32_t ListGetItemData(HWND dialog, int listId, int position) {
  return static_cast<int32_t>(
      SendToList(dialog, listId, LB_GETITEMDATA, static_cast<WPARAM>(position - 1), 0));
}

void ListSetItemData(HWND dialog, int listId, int position, int32_t value) {
  SendToList(dialog, listId, LB_SETITEMDATA, static_cast<WPARAM>(position - 1),
             static_cast<LPARAM>(value));
}

void ListSetScrollWidth(HWND dialog, int listId, int pixels) {
  SendToList(dialog, listId, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels), 0);
}

int ListCount(HWND dialog, int listId) {
  LRESULT count = SendToList(dialog, listId, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string ListItemText(HWND dialog, int listId, int position) {
  WPARAM index = static_cast<WPARAM>(position - 1);
  LRESULT length = SendToList(dialog, listId, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  length = SendToList(dialog, listId, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  if (length == LB_ERR) return {};
  return ToUtf8(text.data(), static_cast<int>(length));
}
