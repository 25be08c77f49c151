#pragma once
// Find and find next in the Wordsnap list: the replacement texts of the rows are
// searched in list order for the last search text, case ignored, resuming after
// the last hit; when the rows run out the search starts again from the top.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace wordsnap {

inline constexpr std::size_t kMaxListSearchText = 255;
inline constexpr const char* kEndOfListReached = "End of Wordsnap list reached.  No more matches found.";
inline constexpr const char* kCaptionFindDone = "Find Done";

enum class FindOutcome {
  Found,      // Row holds the hit, now the last hit
  EndReached, // no row after the last hit matches; the next search starts at the top
  ReadFailed, // a row's record could not be read; the last hit stays
};

struct FindStep {
  FindOutcome outcome = FindOutcome::EndReached;
  int row = -1;
};

class ListFinder {
 public:
  // The row's replacement text, or nothing when its record cannot be read.
  using RowText = std::function<std::optional<std::string>(int row)>;
  // Folds a text's case; the search text and every row text go through the same one.
  using FoldCase = std::function<std::string(std::string_view)>;

  explicit ListFinder(FoldCase foldCase) : foldCase_(std::move(foldCase)) {}

  const std::string& SearchText() const { return searchText_; }
  int LastHit() const { return lastHit_; }

  // A new search text (cut to 255 characters); the next search starts at the top.
  void SetSearchText(std::string_view text);

  // Find next is offered only while there is something to look for.
  bool CanFindNext() const { return !searchText_.empty(); }

  // The find-next button's hint: Find Next, or Find Next "text".
  std::string FindNextHint() const;

  // Searches the rows after the last hit.
  FindStep Next(int rowCount, const RowText& rowText);

 private:
  FoldCase foldCase_;
  std::string searchText_;
  int lastHit_ = -1;
};

}  // namespace wordsnap
