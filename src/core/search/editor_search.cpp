#include "core/search/editor_search.h"

#include <vector>

#include "core/search/case_insensitive_find.h"
#include "core/store/store_messages.h"

namespace wordsnap {

namespace {

std::string Cut(std::string_view text) { return std::string(text.substr(0, kSearchTextMaxLength)); }

}  // namespace

std::string NotFoundMessage(std::string_view searchText) {
  return "\"" + std::string(searchText) + "\" was not found.";
}

std::string ReplacedMessage(std::string_view findText, int count) {
  return "\"" + std::string(findText) + "\" was replaced " + std::to_string(count) + " times.";
}

SearchDialogLook SearchDialogLookFor(bool findMode) {
  if (findMode) return {kSearchDialogFindModeCaption, false};
  return {kSearchDialogCaption, true};
}

SearchDialogResult ConfirmSearchDialog(std::string_view findBox, std::string_view replaceBox) {
  SearchDialogResult result;
  result.findText = Cut(findBox);
  result.replaceText = Cut(replaceBox);
  result.confirmed = !result.findText.empty();
  return result;
}

SearchStep EditorSearch::Find(std::string_view memo, std::string_view findText) {
  searchOffset_ = 0;
  lastSearchText_ = Cut(findText);
  return DoSearchFor(memo, lastSearchText_);
}

SearchStep EditorSearch::FindAgain(std::string_view memo) {
  const std::string text = lastSearchText_;
  return DoSearchFor(memo, text);
}

SearchStep EditorSearch::DoSearchFor(std::string_view memo, std::string_view text) {
  SearchStep step;
  // An offset past the end (the memo was shortened since) leaves nothing to search.
  const auto from = static_cast<std::size_t>(searchOffset_ < 0 ? 0 : searchOffset_);
  const std::size_t at = FindIgnoringCase(memo, text, from, FoldAsciiCase);
  if (at == std::string_view::npos) {
    step.message = NotFoundMessage(text);
    searchOffset_ = 0;
    return step;
  }
  step.found = true;
  step.selectionStart = at;
  step.selectionLength = text.size();
  searchOffset_ = static_cast<std::int32_t>(at + text.size());
  return step;
}

ReplaceOutcome ReplaceAll(std::string_view memo, std::string_view findText, std::string_view replaceText) {
  ReplaceOutcome outcome;
  const std::vector<std::size_t> hits = FindAllIgnoringCase(memo, findText, FoldAsciiCase);
  if (hits.empty()) {
    outcome.message = NotFoundMessage(findText);
    outcome.caption = kCaptionWarning;
    return outcome;
  }
  std::size_t kept = 0;  // memo characters up to here are in the new text
  for (const std::size_t at : hits) {
    outcome.text.append(memo.substr(kept, at - kept));
    outcome.text.append(replaceText);
    kept = at + findText.size();
  }
  outcome.text.append(memo.substr(kept));
  outcome.count = static_cast<int>(hits.size());
  outcome.message = ReplacedMessage(findText, outcome.count);
  outcome.caption = kCaptionReplaced;
  return outcome;
}

}  // namespace wordsnap
