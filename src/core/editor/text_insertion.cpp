#include "core/editor/text_insertion.h"

#include <algorithm>

namespace wordsnap {

bool InsertionFits(std::size_t memoLength, std::size_t count) {
  return memoLength <= kInsertionLimit && count <= kInsertionLimit - memoLength;
}

Insertion InsertAtCaret(std::string_view memo, std::size_t at, std::string_view inserted) {
  const std::size_t p = std::min(at, memo.size());
  Insertion result;
  result.text.reserve(memo.size() + inserted.size());
  result.text.append(memo.substr(0, p));
  result.text.append(inserted);
  result.text.append(memo.substr(p));
  result.caret = p + inserted.size();
  return result;
}

}  // namespace wordsnap
