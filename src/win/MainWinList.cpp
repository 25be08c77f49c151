// The main window's list part: the speed panel, the data panel with its frame
// and headings, and the owner-drawn Wordsnap list with its rows, selection and
// context menu.
#include <windows.h>
#include <commctrl.h>

#include "ArialFont.h"
#include "CommonControls.h"
#include "MainWin.h"
#include "Panel.h"
#include "core/dpi/dpi_scale.h"
#include "core/list/list_command_flow.h"
#include "core/list/list_commands.h"
#include "core/list/main_window_layout.h"
#include "core/list/row_layout.h"
#include "core/store/wordsnap_tree.h"
#include "resource.h"

namespace wordsnap {
namespace {

HWND CreateHeading(HWND parent, HINSTANCE instance, const char* text, int id, HFONT font) {
  HWND label = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

void Place(HWND window, const PanelRect& at) {
  if (window != nullptr) MoveWindow(window, at.left, at.top, at.width, at.height, TRUE);
}

HFONT HeadingFont(int dpi) {
  return CreateArialFont(ScalePixels(kHeadingFontHeight, dpi), FW_BOLD);
}

}  // namespace

void TMainWin::CreateListPart() {
  InitCommonControlClasses();
  RegisterPanelClass(instance_);

  speedPanel_ = CreatePanel(window_, instance_, WS_BORDER, IDC_MAIN_SPEEDPANEL);
  speedButtons_ = std::make_unique<TSpeedButtons>();
  speedButtons_->Create(speedPanel_, instance_, dpi_);

  dataPanel_ = CreatePanel(window_, instance_, 0, IDC_MAIN_DATAPANEL);
  headingFont_ = HeadingFont(dpi_);
  label1_ = CreateHeading(dataPanel_, instance_, "Wordsnaps", IDC_MAIN_LABEL1, headingFont_);
  label2_ = CreateHeading(dataPanel_, instance_, "Replacement Keys", IDC_MAIN_LABEL2, headingFont_);
  list_.Create(dataPanel_, instance_, IDC_MAIN_KEYLIST, dpi_);
  listPopup_ = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_LISTPOPUP));
  SetPrefixHint(prefixHint_);
  FormResize();
}

void TMainWin::ApplyDpi(int dpi) {
  dpi_ = dpi;
  state_.dialogScale = ScaleFactorFor(dpi);
  if (dataPanel_ == nullptr) return;  // the parts are made at this DPI
  HFONT oldHeading = headingFont_;
  headingFont_ = HeadingFont(dpi);
  for (HWND label : {label1_, label2_}) SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_), TRUE);
  if (oldHeading != nullptr) DeleteObject(oldHeading);
  list_.SetDpi(dpi);
  if (speedButtons_) speedButtons_->SetDpi(dpi);
  FormResize();
}

void TMainWin::FormResize() {
  if (dataPanel_ == nullptr) return;  // sized before its parts exist
  RECT client{};
  GetClientRect(window_, &client);
  const MainWindowLayout layout =
      LayoutMainWindow(client.right - client.left, client.bottom - client.top, dpi_);
  Place(speedPanel_, layout.SpeedPanel);
  Place(dataPanel_, layout.DataPanel);
  Place(label1_, layout.Label1);
  Place(label2_, layout.Label2);
  Place(list_.Handle(), layout.KeyList);
  const PanelRect& bevel = layout.Bevel1;
  SetPanelBevel(dataPanel_, RECT{bevel.left, bevel.top, bevel.left + bevel.width, bevel.top + bevel.height});
}

LRESULT TMainWin::ColourHeading(HDC dc) {
  SetTextColor(dc, static_cast<COLORREF>(kColourBlack));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void TMainWin::FillList() { list_.Fill(state_.store.tree); }

void TMainWin::OnKeyListNotify(int code) {
  if (code == LBN_SELCHANGE) KeyListClick();
  if (code == LBN_DBLCLK) KeyListDblClick();
}

void TMainWin::KeyListClick() {
  if (const WordsnapNode* node = list_.NodeOfRow(list_.SelectedRow())) SetActivateCaptions(node->Active != 0);
}

void TMainWin::KeyListDblClick() {
  if (state_.restrictedB || state_.restrictedBA) return;
  RunModifyCommand(*this);
}

void TMainWin::SetActivateCaptions(bool rowActive) {
  const ActivateCaptions captions = ActivateCaptionsFor(rowActive);
  const std::string menuText = captions.menuItem + "\tCtrl+V";
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<char*>(menuText.c_str());
  SetMenuItemInfoA(GetMenu(window_), IDM_EDIT_ACTIVATE, FALSE, &info);
  info.dwTypeData = const_cast<char*>(captions.hint.c_str());
  if (listPopup_ != nullptr) SetMenuItemInfoA(listPopup_, IDM_POP_ACTIVATE, FALSE, &info);
  if (speedButtons_) speedButtons_->SetHint(IDM_EDIT_ACTIVATE, captions.hint);
}

void TMainWin::SetPrefixHint(const std::string& hint) {
  prefixHint_ = hint;
  if (speedButtons_ && !hint.empty()) speedButtons_->SetHint(IDM_OPT_PREFIX, hint);
}

void TMainWin::ShowListMenu(HWND from, POINT at) {
  if (from != list_.Handle() || listPopup_ == nullptr) return;
  if (at.x == -1 && at.y == -1) {  // from the keyboard: at the list's corner
    RECT bounds{};
    GetWindowRect(list_.Handle(), &bounds);
    const int inset = ScalePixels(8, dpi_);
    at = POINT{bounds.left + inset, bounds.top + inset};
  }
  TrackPopupMenuEx(GetSubMenu(listPopup_, 0), TPM_RIGHTBUTTON, at.x, at.y, window_, nullptr);
}

}  // namespace wordsnap
