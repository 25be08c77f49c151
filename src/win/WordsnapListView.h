#pragma once
// The Wordsnap list of the main window: an owner-drawn list box that keeps each
// row's name as its string and the row's node number in the tree as its item data,
// in the list's order (names by the user's locale, ignoring case, like a sorted
// list box; equal names in record order). Each row is drawn from its node with the
// counter column, the name and the preview. The names are kept by the list box
// itself so that every reader outside the program (another process asking for a
// row's text, the system's accessibility proxy, a screen reader) finds them by the
// standard means. A typed character moves to the next row starting with it.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "core/dpi/dpi_scale.h"
#include "core/store/wordsnap_tree.h"

namespace wordsnap {

// The list search's case folding: upper case by the user's locale.
std::string FoldCaseByLocale(std::string_view text);

class TWordsnapListView {
 public:
  TWordsnapListView() = default;
  ~TWordsnapListView();
  TWordsnapListView(const TWordsnapListView&) = delete;
  TWordsnapListView& operator=(const TWordsnapListView&) = delete;

  // dpi: the screen's DPI, which the rows, columns and fonts are sized for.
  void Create(HWND parent, HINSTANCE instance, int id, int dpi);
  HWND Handle() const { return list_; }
  // Sizes the rows, columns and fonts for another DPI.
  void SetDpi(int dpi);
  int RowHeight() const;

  // The rows, rebuilt from the tree: every node, in the list's order.
  void Fill(WordsnapTree& tree);
  // Empties the list: done before the tree its rows point into is replaced.
  void Clear();
  // Redraws the rows, after a node changed in place.
  void Redraw();
  void SetRowHeight();
  // counterColumn and counterWidth: the counter column's settings.
  void Draw(const DRAWITEMSTRUCT& item, bool counterColumn, int counterWidth) const;

  int RowCount() const;
  int SelectedRow() const;  // -1 when none
  WordsnapNode* NodeOfRow(int row) const;
  void SelectRow(int row);
  // Selects the row of the record, if it is in the list.
  void SelectRecord(std::int32_t recordNo);

 private:
  void CreateFonts();
  void DeleteFonts();
  static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR self);
  WordsnapNode* NodeOfItemData(LRESULT data) const;
  std::string_view NameOfRow(int row) const;
  void MoveToTypedCharacter(char c);

  HWND list_ = nullptr;
  HFONT font_ = nullptr;
  HFONT italicFont_ = nullptr;
  int dpi_ = kDesignDpi;
  WordsnapTree* tree_ = nullptr;
};

}  // namespace wordsnap
