#include "core/list/list_finder.h"

#include "core/search/case_insensitive_find.h"

namespace wordsnap {

void ListFinder::SetSearchText(std::string_view text) {
  searchText_ = std::string(text.substr(0, kMaxListSearchText));
  lastHit_ = -1;
}

std::string ListFinder::FindNextHint() const {
  if (searchText_.empty()) return "Find Next";
  return "Find Next \"" + searchText_ + "\"";
}

FindStep ListFinder::Next(int rowCount, const RowText& rowText) {
  for (int row = lastHit_ + 1; row < rowCount; ++row) {
    const std::optional<std::string> text = rowText(row);
    if (!text) return {FindOutcome::ReadFailed, row};
    if (ContainsIgnoringCase(*text, searchText_, foldCase_)) {
      lastHit_ = row;
      return {FindOutcome::Found, row};
    }
  }
  lastHit_ = -1;
  return {FindOutcome::EndReached, -1};
}

}  // namespace wordsnap
