#include "WordsnapListView.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>

#include "core/list/list_commands.h"
#include "core/list/row_layout.h"

namespace wordsnap {
namespace {

HFONT ArialFont(int pixels, int weight, bool italic) {
  return CreateFontA(-pixels, 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
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
  font_ = ArialFont(ListFontHeight(dpi_), FW_NORMAL, false);
  italicFont_ = ArialFont(ListFontHeight(dpi_), FW_NORMAL, true);
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
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_NODATA |
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
  if (const WordsnapNode* node = NodeOfRow(static_cast<int>(item.itemID))) {
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
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  tree_ = &tree;
  rows_.resize(tree.size());
  std::iota(rows_.begin(), rows_.end(), WordsnapNodeNo{0});
  // Equal names in record order. Sorted in place: a sort with a buffer would leave
  // the program holding that buffer's memory too.
  std::sort(rows_.begin(), rows_.end(), [&tree](WordsnapNodeNo a, WordsnapNodeNo b) {
    const WordsnapNode& x = tree.Node(a);
    const WordsnapNode& y = tree.Node(b);
    const int order = CompareAsListBox(x.Name(), y.Name());
    return order == CSTR_LESS_THAN || (order == CSTR_EQUAL && x.RecordNo < y.RecordNo);
  });
  if (SendMessageA(list_, LB_SETCOUNT, rows_.size(), 0) < 0) Clear();
  Redraw();
}

void TWordsnapListView::Clear() {
  if (list_ != nullptr) SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  tree_ = nullptr;
  std::vector<WordsnapNodeNo>().swap(rows_);
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

WordsnapNode* TWordsnapListView::NodeOfRow(int row) const {
  if (tree_ == nullptr || row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return nullptr;
  const WordsnapNodeNo number = rows_[static_cast<std::size_t>(row)];
  return number < tree_->size() ? &tree_->Node(number) : nullptr;
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
  const auto& view = *reinterpret_cast<TWordsnapListView*>(self);
  switch (message) {
    case LB_GETTEXTLEN:
    case LB_GETTEXT: {
      const int row = static_cast<int>(wParam);
      if (view.NodeOfRow(row) == nullptr) return LB_ERR;
      const std::string_view name = view.NameOfRow(row);
      if (message == LB_GETTEXT && lParam != 0) {
        char* text = reinterpret_cast<char*>(lParam);
        std::memcpy(text, name.data(), name.size());
        text[name.size()] = '\0';
      }
      return static_cast<LRESULT>(name.size());
    }
    case WM_CHAR:
      reinterpret_cast<TWordsnapListView*>(self)->MoveToTypedCharacter(static_cast<char>(wParam));
      return 0;
    default:
      return DefSubclassProc(list, message, wParam, lParam);
  }
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
