// The main window's list part: the speed panel, the data panel with its frame
// and headings, and the owner-drawn Wordsnap list with its rows, selection and
// context menu.
#include <windows.h>
#include <commctrl.h>

#include "MainWin.h"
#include "Panel.h"
#include "core/list/list_commands.h"
#include "core/list/main_window_layout.h"
#include "core/list/row_layout.h"
#include "core/store/wordsnap_tree.h"
#include "resource.h"

namespace wordsnap {
namespace {

HFONT ArialFont(int pixels, int weight, bool italic) {
  return CreateFontA(-pixels, 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

HWND CreateHeading(HWND parent, HINSTANCE instance, const char* text, int id, HFONT font) {
  HWND label = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

void Place(HWND window, const PanelRect& at) {
  if (window != nullptr) MoveWindow(window, at.Left, at.Top, at.Width, at.Height, TRUE);
}

COLORREF Colour(std::uint32_t value) { return static_cast<COLORREF>(value); }

void FillWith(HDC dc, const RECT& area, COLORREF colour) {
  const COLORREF before = SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  SetBkColor(dc, before);
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

void PaintText(HDC dc, int x, int y, const std::string& text) {
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

void TMainWin::CreateListPart() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_BAR_CLASSES;
  InitCommonControlsEx(&controls);
  RegisterPanelClass(instance_);

  speedPanel_ = CreatePanel(window_, instance_, WS_BORDER, IDC_MAIN_SPEEDPANEL);
  speedButtons_ = std::make_unique<TSpeedButtons>();
  speedButtons_->Create(speedPanel_, instance_);

  dataPanel_ = CreatePanel(window_, instance_, 0, IDC_MAIN_DATAPANEL);
  headingFont_ = ArialFont(18, FW_BOLD, false);
  listFont_ = ArialFont(15, FW_NORMAL, false);
  listItalicFont_ = ArialFont(15, FW_NORMAL, true);
  label1_ = CreateHeading(dataPanel_, instance_, "Wordsnaps", IDC_MAIN_LABEL1, headingFont_);
  label2_ = CreateHeading(dataPanel_, instance_, "Replacement Keys", IDC_MAIN_LABEL2, headingFont_);
  keyList_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                                 LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                             0, 0, 0, 0, dataPanel_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MAIN_KEYLIST)),
                             instance_, nullptr);
  SendMessageA(keyList_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), FALSE);
  listPopup_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_LISTPOPUP));
  SetListHeight();
  SetPrefixHint(prefixHint_);
  FormResize();
}

void TMainWin::FormResize() {
  if (dataPanel_ == nullptr) return;  // sized before its parts exist
  RECT client{};
  GetClientRect(window_, &client);
  const MainWindowLayout layout = LayoutMainWindow(client.right - client.left, client.bottom - client.top);
  Place(speedPanel_, layout.SpeedPanel);
  Place(dataPanel_, layout.DataPanel);
  Place(label1_, layout.Label1);
  Place(label2_, layout.Label2);
  Place(keyList_, layout.KeyList);
  const PanelRect& bevel = layout.Bevel1;
  SetPanelBevel(dataPanel_, RECT{bevel.Left, bevel.Top, bevel.Left + bevel.Width, bevel.Top + bevel.Height});
}

void TMainWin::SetListHeight() {
  if (keyList_ != nullptr && SendMessageA(keyList_, LB_GETITEMHEIGHT, 0, 0) != kListRowHeight)
    SendMessageA(keyList_, LB_SETITEMHEIGHT, 0, kListRowHeight);
}

LRESULT TMainWin::ColourHeading(HDC dc) {
  SetTextColor(dc, Colour(kColourBlack));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void TMainWin::KeyListDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  if (item.itemID == static_cast<UINT>(-1)) {  // an empty list with the focus
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
    return;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

  const int saved = SaveDC(dc);
  const bool counterColumn = state_.settings.useCounterColumn;
  const RowLayout row = LayoutRow(r.left, counterColumn, state_.store.CounterColumnWidth);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, listFont_);
  if (counterColumn) {
    FillWith(dc, RECT{r.left, r.top, row.CounterRight, r.bottom}, Colour(kColourSilver));
    SetTextColor(dc, Colour(kColourBlack));
    PaintText(dc, row.CounterTextX, r.top, CounterText(static_cast<int>(item.itemID)));
  }
  if (const auto* node = reinterpret_cast<const WordsnapNode*>(item.itemData)) {
    const RowStyle style = StyleOfRow(node->Active != 0, selected);
    SelectObject(dc, style.Italic ? listItalicFont_ : listFont_);
    SetTextColor(dc, Colour(style.TextColour));
    PaintText(dc, row.NameX, r.top, node->Name);
    PaintText(dc, row.PreviewX, r.top, node->Preview);

    HPEN grid = CreatePen(PS_SOLID, 1, Colour(kColourGridGrey));
    SelectObject(dc, grid);
    if (counterColumn) Line(dc, row.CounterEdgeX, r.top, row.CounterEdgeX, r.bottom);
    Line(dc, row.ReplacementEdgeX, r.top, row.ReplacementEdgeX, r.bottom);
    Line(dc, r.left, r.bottom - 1, r.right, r.bottom - 1);
    RestoreDC(dc, saved);
    DeleteObject(grid);
  } else {
    RestoreDC(dc, saved);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

void TMainWin::FillList() {
  SendMessageA(keyList_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(keyList_, LB_RESETCONTENT, 0, 0);
  ForEachNodeInFillOrder(state_.store.Root.get(), [this](WordsnapNode& node) {
    const LRESULT row = SendMessageA(keyList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(node.Name.c_str()));
    if (row >= 0) SendMessageA(keyList_, LB_SETITEMDATA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&node));
  });
  SendMessageA(keyList_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(keyList_, nullptr, TRUE);
}

void TMainWin::ClearList() {
  if (keyList_ != nullptr) SendMessageA(keyList_, LB_RESETCONTENT, 0, 0);
}

int TMainWin::RowCount() const {
  const LRESULT count = SendMessageA(keyList_, LB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<int>(count) : 0;
}

int TMainWin::SelectedRow() const {
  const LRESULT row = SendMessageA(keyList_, LB_GETCURSEL, 0, 0);
  return row == LB_ERR ? -1 : static_cast<int>(row);
}

WordsnapNode* TMainWin::NodeOfRow(int row) const {
  if (row < 0 || row >= RowCount()) return nullptr;
  const LRESULT data = SendMessageA(keyList_, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
  return data == LB_ERR ? nullptr : reinterpret_cast<WordsnapNode*>(data);
}

void TMainWin::SelectRow(int row) { SendMessageA(keyList_, LB_SETCURSEL, static_cast<WPARAM>(row), 0); }

void TMainWin::SetIndex(std::int32_t recordNo) {
  const int count = RowCount();
  for (int row = 0; row < count; ++row) {
    const WordsnapNode* node = NodeOfRow(row);
    if (node != nullptr && node->RecordNo == recordNo) {
      SelectRow(row);
      return;
    }
  }
}

void TMainWin::OnKeyListNotify(int code) {
  if (code == LBN_SELCHANGE) KeyListClick();
  if (code == LBN_DBLCLK) KeyListDblClick();
}

void TMainWin::KeyListClick() {
  if (const WordsnapNode* node = NodeOfRow(SelectedRow())) SetActivateCaptions(node->Active != 0);
}

void TMainWin::KeyListDblClick() {
  if (state_.restrictedB || state_.restrictedBA) return;
  DoModify();
}

void TMainWin::SetActivateCaptions(bool rowActive) {
  const ActivateCaptions captions = ActivateCaptionsFor(rowActive);
  const std::string menuText = captions.MenuItem + "\tCtrl+V";
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<char*>(menuText.c_str());
  SetMenuItemInfoA(GetMenu(window_), IDM_EDIT_ACTIVATE, FALSE, &info);
  info.dwTypeData = const_cast<char*>(captions.Hint.c_str());
  if (listPopup_ != nullptr) SetMenuItemInfoA(listPopup_, IDM_POP_ACTIVATE, FALSE, &info);
  if (speedButtons_) speedButtons_->SetHint(IDM_EDIT_ACTIVATE, captions.Hint);
}

void TMainWin::SetPrefixHint(const std::string& hint) {
  prefixHint_ = hint;
  if (speedButtons_ && !hint.empty()) speedButtons_->SetHint(IDM_OPT_PREFIX, hint);
}

void TMainWin::ShowListMenu(HWND from, POINT at) {
  if (from != keyList_ || listPopup_ == nullptr) return;
  if (at.x == -1 && at.y == -1) {  // from the keyboard: at the list's corner
    RECT bounds{};
    GetWindowRect(keyList_, &bounds);
    at = POINT{bounds.left + 8, bounds.top + 8};
  }
  TrackPopupMenuEx(GetSubMenu(listPopup_, 0), TPM_RIGHTBUTTON, at.x, at.y, window_, nullptr);
}

}  // namespace wordsnap
