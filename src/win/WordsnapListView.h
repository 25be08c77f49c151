#pragma once
// The Wordsnap list of the main window: an owner-drawn list box whose rows point
// at tree nodes, drawn with the counter column, the name and the preview.

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

  // The rows, rebuilt from the tree in its fill order.
  void Fill(WordsnapNode* root);
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

  HWND list_ = nullptr;
  HFONT font_ = nullptr;
  HFONT italicFont_ = nullptr;
  int dpi_ = kDesignDpi;
};

}  // namespace wordsnap
