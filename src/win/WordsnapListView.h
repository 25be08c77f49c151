#pragma once
// The Wordsnap list of the main window: an owner-drawn list box that holds no data
// of its own. Its rows are the tree's node numbers in the list's order (names by
// the user's locale, ignoring case, like a sorted list box; equal names in record
// order), kept here; each row is drawn from its node with the counter column, the
// name and the preview. The list box still answers LB_GETTEXT and LB_GETTEXTLEN
// with a row's name (in the ANSI code page) and moves to the next row starting
// with a typed character, as a list of strings does.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
  std::string_view NameOfRow(int row) const;
  void MoveToTypedCharacter(char c);

  HWND list_ = nullptr;
  HFONT font_ = nullptr;
  HFONT italicFont_ = nullptr;
  int dpi_ = kDesignDpi;
  WordsnapTree* tree_ = nullptr;
  std::vector<WordsnapNodeNo> rows_;
};

}  // namespace wordsnap
