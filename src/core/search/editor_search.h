#pragma once
// Find, Find Again and Search and Replace in the editor's replacement text,
// without the window: where the next search starts, what is selected, what the
// memo becomes, and which message to show. Case is ignored for a to z only.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wordsnap {

inline constexpr std::size_t kSearchTextMaxLength = 255;

inline constexpr const char* kSearchDialogCaption = "Search and Replace";
inline constexpr const char* kSearchDialogFindModeCaption = "Find";
inline constexpr const char* kCaptionReplaced = "Replaced";

// "\"" text "\" was not found." (caption "Warning").
std::string NotFoundMessage(std::string_view searchText);
// "\"" text "\" was replaced " count " times." (caption "Replaced").
std::string ReplacedMessage(std::string_view findText, int count);

// How the search dialog opens: "Find" with the replace box and its label
// disabled in find mode, "Search and Replace" with both enabled otherwise.
struct SearchDialogLook {
  std::string caption;
  bool replaceEnabled = true;
};
SearchDialogLook SearchDialogLookFor(bool findMode);

// What OK of the search dialog hands back: both boxes as typed (not trimmed),
// at most 255 characters each; confirmed only when there is something to find.
struct SearchDialogResult {
  bool confirmed = false;
  std::string findText;
  std::string replaceText;
};
SearchDialogResult ConfirmSearchDialog(std::string_view findBox, std::string_view replaceBox);

// One search's outcome: the match to select in the memo, or the not-found
// message to show.
struct SearchStep {
  bool found = false;
  std::size_t selectionStart = 0;   // index in the whole memo text, from 0
  std::size_t selectionLength = 0;
  std::string message;              // when not found, caption "Warning"
};

// The editor's search state: the last search text and how many leading
// characters of the memo the next search skips. It lives as long as the editor.
class EditorSearch {
 public:
  const std::string& LastSearchText() const { return lastSearchText_; }
  std::int32_t SearchOffset() const { return searchOffset_; }

  // Find, once the dialog in find mode is confirmed: starts from the top with a
  // new last search text.
  SearchStep Find(std::string_view memo, std::string_view findText);
  // Find Again: the last search text from where the previous search stopped.
  SearchStep FindAgain(std::string_view memo);
  // Looks for `text` after the first (search offset) characters; a match moves
  // the offset past it, a miss sets it back to 0 so the next search starts at
  // the top.
  SearchStep DoSearchFor(std::string_view memo, std::string_view text);

 private:
  std::string lastSearchText_;
  std::int32_t searchOffset_ = 0;
};

// Search and Replace over the whole memo from its start: every occurrence of
// `findText`, left to right, is replaced by `replaceText`, which is never
// searched again. Changes no search state.
struct ReplaceOutcome {
  int count = 0;
  std::string text;     // the memo's new text; put it in the memo only when count > 0
  std::string message;  // to show in every case
  std::string caption;  // "Replaced", or "Warning" when nothing was found
};
ReplaceOutcome ReplaceAll(std::string_view memo, std::string_view findText, std::string_view replaceText);

}  // namespace wordsnap
