#include "WordsnapListView.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "ArialFont.h"
#include "core/list/list_commands.h"
#include "core/list/row_layout.h"

namespace wordsnap {
namespace {

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

void PaintText(HDC dc, int x, int y, std::string_view text) {
  TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

// The order and the first-letter match of a sorted list box of strings: by the
// user's locale, ignoring case.
int CompareAsListBox(std::string_view a, std::string_view b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size()));
}

constexpr UINT_PTR kListSubclassId = 1;

}  // namespace

std::string FoldCaseByLocale(std::string_view text) {
  std::string folded(text);
  if (!folded.empty()) CharUpperBuffA(folded.data(), static_cast<DWORD>(folded.size()));
  return folded;
}

TWordsnapListView::~TWordsnapListView() {
  if (list_ != nullptr) RemoveWindowSubclass(list_, ListProc, kListSubclassId);
  DeleteFonts();
}

void TWordsnapListView::CreateFonts() {
  font_ = CreateArialFont(ListFontHeight(dpi_));
  italicFont_ = CreateArialFont(ListFontHeight(dpi_), FW_NORMAL, true);
}

void TWordsnapListView::DeleteFonts() {
  for (HFONT* font : {&font_, &italicFont_}) {
    if (*font != nullptr) DeleteObject(*font);
    *font = nullptr;
  }
}

void TWordsnapListView::Create(HWND parent, HINSTANCE instance, int id, int dpi) {
  dpi_ = dpi;  // before the list exists: it asks for its row height while it is made
  CreateFonts();
  list_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                              LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                          0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  SetWindowSubclass(list_, ListProc, kListSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SetRowHeight();
}

void TWordsnapListView::SetDpi(int dpi) {
  if (dpi == dpi_ && font_ != nullptr) return;
  dpi_ = dpi;
  HFONT oldFont = font_;
  HFONT oldItalic = italicFont_;
  CreateFonts();
  if (list_ != nullptr) SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (HFONT font : {oldFont, oldItalic})
    if (font != nullptr) DeleteObject(font);
  SetRowHeight();
  Redraw();
}

int TWordsnapListView::RowHeight() const { return ListRowHeight(dpi_); }

void TWordsnapListView::SetRowHeight() {
  if (list_ != nullptr && SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0) != RowHeight())
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, RowHeight());
}

void TWordsnapListView::Draw(const DRAWITEMSTRUCT& item, bool counterColumn, int counterWidth) const {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  if (item.itemID == static_cast<UINT>(-1)) {  // an empty list with the focus
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
    return;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

  const int saved = SaveDC(dc);
  const RowLayout row = LayoutRow(r.left, counterColumn, counterWidth, dpi_);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, font_);
  if (counterColumn) {
    FillWith(dc, RECT{r.left, r.top, row.counterRight, r.bottom}, Colour(kColourSilver));
    SetTextColor(dc, Colour(kColourBlack));
    PaintText(dc, row.counterTextX, r.top, CounterText(static_cast<int>(item.itemID)));
  }
  if (const WordsnapNode* node = NodeOfItemData(static_cast<LRESULT>(item.itemData))) {
    const RowStyle style = StyleOfRow(node->Active != 0, selected);
    SelectObject(dc, style.italic ? italicFont_ : font_);
    SetTextColor(dc, Colour(style.textColour));
    PaintText(dc, row.nameX, r.top, node->Name());
    PaintText(dc, row.previewX, r.top, node->Preview());

    HPEN grid = CreatePen(PS_SOLID, 1, Colour(kColourGridGrey));
    SelectObject(dc, grid);
    if (counterColumn) Line(dc, row.counterEdgeX, r.top, row.counterEdgeX, r.bottom);
    Line(dc, row.replacementEdgeX, r.top, row.replacementEdgeX, r.bottom);
    Line(dc, r.left, r.bottom - 1, r.right, r.bottom - 1);
    RestoreDC(dc, saved);
    DeleteObject(grid);
  } else {
    RestoreDC(dc, saved);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

void TWordsnapListView::Fill(WordsnapTree& tree) {
  Clear();
  tree_ = &tree;
  std::vector<WordsnapNodeNo> order(tree.size());
  std::iota(order.begin(), order.end(), WordsnapNodeNo{0});
  // Equal names in record order. Sorted in place: a sort with a buffer would leave
  // the program holding that buffer's memory too.
  std::sort(order.begin(), order.end(), [&tree](WordsnapNodeNo a, WordsnapNodeNo b) {
    const WordsnapNode& x = tree.Node(a);
    const WordsnapNode& y = tree.Node(b);
    const int compared = CompareAsListBox(x.Name(), y.Name());
    return compared == CSTR_LESS_THAN || (compared == CSTR_EQUAL && x.RecordNo < y.RecordNo);
  });
  std::size_t nameBytes = 0;
  for (const WordsnapNodeNo number : order) nameBytes += tree.Node(number).Name().size() + 1;
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list_, LB_INITSTORAGE, order.size(), static_cast<LPARAM>(nameBytes));
  for (const WordsnapNodeNo number : order) {
    const std::string name(tree.Node(number).Name());
    const LRESULT row = SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (row < 0) {  // out of memory: an empty list rather than a part of it
      SendMessageA(list_, LB_RESETCONTENT, 0, 0);
      break;
    }
    SendMessageA(list_, LB_SETITEMDATA, static_cast<WPARAM>(row), static_cast<LPARAM>(number));
  }
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  Redraw();
}

void TWordsnapListView::Clear() {
  if (list_ != nullptr) SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  tree_ = nullptr;
}

void TWordsnapListView::Redraw() { InvalidateRect(list_, nullptr, TRUE); }

int TWordsnapListView::RowCount() const {
  const LRESULT count = SendMessageA(list_, LB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<int>(count) : 0;
}

int TWordsnapListView::SelectedRow() const {
  const LRESULT row = SendMessageA(list_, LB_GETCURSEL, 0, 0);
  return row == LB_ERR ? -1 : static_cast<int>(row);
}

WordsnapNode* TWordsnapListView::NodeOfItemData(LRESULT data) const {
  if (tree_ == nullptr || data < 0 || static_cast<std::size_t>(data) >= tree_->size()) return nullptr;
  return &tree_->Node(static_cast<WordsnapNodeNo>(data));
}

WordsnapNode* TWordsnapListView::NodeOfRow(int row) const {
  if (tree_ == nullptr || row < 0) return nullptr;
  const LRESULT data = SendMessageA(list_, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
  return data == LB_ERR ? nullptr : NodeOfItemData(data);
}

std::string_view TWordsnapListView::NameOfRow(int row) const {
  const WordsnapNode* node = NodeOfRow(row);
  return node != nullptr ? node->Name() : std::string_view();
}

void TWordsnapListView::MoveToTypedCharacter(char c) {
  const int focus = static_cast<int>(SendMessageA(list_, LB_GETCARETINDEX, 0, 0));
  const int row = RowForTypedCharacter(RowCount(), focus, [&](int at) {
    const std::string_view name = NameOfRow(at);
    return !name.empty() && CompareAsListBox(name.substr(0, 1), std::string_view(&c, 1)) == CSTR_EQUAL;
  });
  if (row < 0) return;
  SelectRow(row);
  SendMessageA(GetParent(list_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list_), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list_));
}

LRESULT CALLBACK TWordsnapListView::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
  if (message == WM_CHAR) {
    reinterpret_cast<TWordsnapListView*>(self)->MoveToTypedCharacter(static_cast<char>(wParam));
    return 0;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

void TWordsnapListView::SelectRow(int row) { SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(row), 0); }

void TWordsnapListView::SelectRecord(std::int32_t recordNo) {
  const int count = RowCount();
  for (int row = 0; row < count; ++row) {
    const WordsnapNode* node = NodeOfRow(row);
    if (node != nullptr && node->RecordNo == recordNo) {
      SelectRow(row);
      return;
    }
  }
}

}  // namespace wordsnap
