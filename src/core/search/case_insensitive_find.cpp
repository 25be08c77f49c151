#include "core/search/case_insensitive_find.h"

#include <algorithm>
#include <functional>

#include "core/store/wordsnap_tree.h"  // UpperAscii, the program's one ASCII upper-casing

namespace wordsnap {

namespace {

// Searches a folded text for a folded pattern. Boyer-Moore with its good-suffix
// rule finds a first occurrence in time linear in the text, so a 255-character
// pattern in a long memo costs no more than a short one.
class FoldedSearch {
 public:
  FoldedSearch(std::string_view text, std::string_view wanted, const CaseFold& fold)
      : text_(fold(text)), wanted_(fold(wanted)), searcher_(wanted_.begin(), wanted_.end()) {}
  // The searcher points into wanted_.
  FoldedSearch(const FoldedSearch&) = delete;
  FoldedSearch& operator=(const FoldedSearch&) = delete;

  std::size_t Find(std::size_t from) const {
    if (wanted_.empty() || from > text_.size()) return std::string_view::npos;
    const auto begin = text_.begin() + static_cast<std::ptrdiff_t>(from);
    const auto hit = std::search(begin, text_.end(), searcher_);
    if (hit == text_.end()) return std::string_view::npos;
    return static_cast<std::size_t>(hit - text_.begin());
  }

  std::size_t WantedLength() const { return wanted_.size(); }

 private:
  std::string text_;
  std::string wanted_;
  std::boyer_moore_searcher<std::string::const_iterator> searcher_;
};

}  // namespace

std::string FoldAsciiCase(std::string_view text) { return UpperAscii(text); }

std::size_t FindIgnoringCase(std::string_view text, std::string_view wanted, std::size_t from, const CaseFold& fold) {
  if (wanted.empty() || from > text.size()) return std::string_view::npos;
  return FoldedSearch(text, wanted, fold).Find(from);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view wanted, const CaseFold& fold) {
  return FindIgnoringCase(text, wanted, 0, fold) != std::string_view::npos;
}

std::vector<std::size_t> FindAllIgnoringCase(std::string_view text, std::string_view wanted, const CaseFold& fold) {
  std::vector<std::size_t> found;
  if (wanted.empty()) return found;
  const FoldedSearch search(text, wanted, fold);
  for (std::size_t at = search.Find(0); at != std::string_view::npos; at = search.Find(at + search.WantedLength()))
    found.push_back(at);
  return found;
}

}  // namespace wordsnap
