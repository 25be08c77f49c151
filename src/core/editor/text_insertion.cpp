#include "core/editor/text_insertion.h"

#include <algorithm>

namespace wordsnap {

bool InsertionFits(std::size_t memoLength, std::size_t count) {
  return memoLength <= kInsertionLimit && count <= kInsertionLimit - memoLength;
}

Insertion InsertAtCaret(std::string_view memo, std::size_t at, std::string_view inserted) {
  const std::size_t p = std::min(at, memo.size());
  Insertion result;
  result.Text.reserve(memo.size() + inserted.size());
  result.Text.append(memo.substr(0, p));
  result.Text.append(inserted);
  result.Text.append(memo.substr(p));
  result.Caret = p + inserted.size();
  return result;
}

}  // namespace wordsnap
