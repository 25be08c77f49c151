#include "core/spell/suggester.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <optional>

#include "core/spell/letters.h"

namespace wordsnap::spell {

namespace {

constexpr int kEditCost = 1000;  // an edit outweighs any sum of nearness costs
constexpr int kMaxEdits = 2;

// Key positions on a standard US keyboard, as (row, column in half keys).
struct KeyPlace {
  int row;
  int column;
};

std::optional<KeyPlace> PlaceOf(char c) {
  static constexpr std::string_view kRows[3] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
  for (int row = 0; row < 3; ++row) {
    const std::size_t at = kRows[row].find(c);
    if (at != std::string_view::npos) return KeyPlace{row, static_cast<int>(at) * 2 + row};
  }
  return std::nullopt;
}

bool IsVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y'; }

// Cost of typing `typed` where `meant` belongs, among substitutions.
int SubstituteCost(char typed, char meant) {
  const auto a = PlaceOf(typed);
  const auto b = PlaceOf(meant);
  if (a && b && std::abs(a->row - b->row) <= 1 && std::abs(a->column - b->column) <= 2) return 2;  // neighbouring keys
  if (IsVowel(typed) && IsVowel(meant)) return 3;                                                 // a vowel for a vowel
  return 6;
}

// Cost of a letter typed too many (deleted) or left out (inserted) at a place
// whose neighbour in the same word is `neighbour`: a doubled letter is the near case.
int InsertDeleteCost(char letter, char before, char after) { return (letter == before || letter == after) ? 1 : 5; }

}  // namespace

std::uint32_t LetterMask(std::string_view lowerWord) {
  std::uint32_t mask = 0;
  for (char c : lowerWord) mask |= (c >= 'a' && c <= 'z') ? (1u << (c - 'a')) : (1u << 26);
  return mask;
}

SuggestIndex::SuggestIndex(const Lexicon& lexicon) : lexicon_(&lexicon) {
  lowerAt_.reserve(lexicon.Size());
  for (std::size_t i = 0; i < lexicon.Size(); ++i) {
    const std::string_view word = lexicon.Word(i);
    lowerAt_.push_back(static_cast<std::uint32_t>(lower_.size()));
    for (char c : word) lower_.push_back(ToLowerLetter(c));
    lower_.push_back('\0');
    if (word.size() >= byLength_.size()) byLength_.resize(word.size() + 1);
  }
  for (std::size_t i = 0; i < lexicon.Size(); ++i) {
    const std::string_view lower = Lower(static_cast<std::uint32_t>(i));
    byLength_[lower.size()].push_back({static_cast<std::uint32_t>(i), LetterMask(lower)});
  }
}

const std::vector<SuggestIndex::Entry>& SuggestIndex::OfLength(std::size_t length) const {
  static const std::vector<Entry> kNone;
  return length < byLength_.size() ? byLength_[length] : kNone;
}

std::string_view SuggestIndex::Lower(std::uint32_t id) const { return std::string_view(lower_.data() + lowerAt_[id]); }

std::optional<Distance> EditDistance(std::string_view a, std::string_view b, int maxEdits) {
  const std::size_t n = a.size();
  const std::size_t m = b.size();
  if (static_cast<int>(n > m ? n - m : m - n) > maxEdits) return std::nullopt;
  if (n > kMaxWordBytes || m > kMaxWordBytes) return std::nullopt;
  const int limit = (maxEdits + 1) * kEditCost;
  // Three rows of the alignment table: two back for swaps.
  std::vector<int> rows(3 * (m + 1));
  int* prev2 = rows.data();
  int* prev = prev2 + (m + 1);
  int* cur = prev + (m + 1);
  const auto at = [](std::string_view s, std::size_t i) { return i < s.size() ? s[i] : '\0'; };
  prev[0] = 0;
  int prevBest = 0;
  for (std::size_t j = 1; j <= m; ++j) prev[j] = prev[j - 1] + kEditCost + InsertDeleteCost(b[j - 1], j >= 2 ? b[j - 2] : '\0', at(b, j));
  for (std::size_t i = 1; i <= n; ++i) {
    cur[0] = prev[0] + kEditCost + InsertDeleteCost(a[i - 1], i >= 2 ? a[i - 2] : '\0', at(a, i));
    int rowBest = cur[0];
    for (std::size_t j = 1; j <= m; ++j) {
      int best;
      if (a[i - 1] == b[j - 1]) {
        best = prev[j - 1];
      } else {
        best = prev[j - 1] + kEditCost + SubstituteCost(a[i - 1], b[j - 1]);
      }
      // a[i-1] typed too many: delete it.
      best = std::min(best, prev[j] + kEditCost + InsertDeleteCost(a[i - 1], i >= 2 ? a[i - 2] : '\0', at(a, i)));
      // b[j-1] left out: insert it.
      best = std::min(best, cur[j - 1] + kEditCost + InsertDeleteCost(b[j - 1], j >= 2 ? b[j - 2] : '\0', at(b, j)));
      if (i >= 2 && j >= 2 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) best = std::min(best, prev2[j - 2] + kEditCost);
      cur[j] = best;
      rowBest = std::min(rowBest, best);
    }
    // A swap reaches back two rows, so give up only when two rows in a row are past the limit.
    if (rowBest >= limit && prevBest >= limit) return std::nullopt;
    prevBest = rowBest;
    int* spare = prev2;
    prev2 = prev;
    prev = cur;
    cur = spare;
  }
  const int total = prev[m];
  if (total >= limit) return std::nullopt;
  return Distance{total / kEditCost, total % kEditCost};
}

std::vector<Suggestion> Suggest(std::string_view word, const std::vector<const SuggestIndex*>& indexes,
                                const WordCheck& check, std::size_t maxCount, std::size_t maxLength) {
  const std::string plain = PlainApostrophes(word);
  const std::string typed = ToLowerLetters(plain);
  const CasePattern pattern = CaseOf(plain);
  const std::uint32_t typedMask = LetterMask(typed);
  std::vector<Suggestion> found;

  const auto offer = [&](std::string candidate, Distance d, int frequencyClass) {
    if (candidate.size() > maxLength || check.IsExcluded(candidate)) return;
    const bool caseKept = CaseOf(candidate) == pattern;
    found.push_back({std::move(candidate), d.edits, frequencyClass, d.nearness, caseKept});
  };

  for (const SuggestIndex* index : indexes) {
    const Lexicon& lex = index->Source();
    const std::size_t from = typed.size() > kMaxEdits ? typed.size() - kMaxEdits : 0;
    for (std::size_t length = from; length <= typed.size() + kMaxEdits; ++length) {
      for (const SuggestIndex::Entry& e : index->OfLength(length)) {
        // Each edit changes at most two letters of the set of letters used.
        if (std::popcount(e.letters ^ typedMask) > 2 * kMaxEdits) continue;
        const auto d = EditDistance(typed, index->Lower(e.id), kMaxEdits);
        if (!d) continue;
        const std::string_view listWord = lex.Word(e.id);
        // The same letters in another case: the list's capitals are the correction.
        Distance rank = *d;
        if (rank.edits == 0 && listWord == plain) continue;
        const int frequencyClass = lex.FrequencyClass(e.id) == 0 ? 1 : lex.FrequencyClass(e.id);
        offer(InCaseOf(listWord, pattern), rank, frequencyClass);
      }
    }
  }

  // Two words run together ("alot"): both halves common words (of the small
  // list or the user's), which keeps out the rare short words of the large list.
  const auto commonClass = [&](std::string_view part) {
    int best = 0;
    for (const SuggestIndex* index : indexes) {
      const auto i = index->Source().Find(part);
      if (i && (best == 0 || index->Source().FrequencyClass(*i) < best)) best = std::max(1, int{index->Source().FrequencyClass(*i)});
    }
    return best;
  };
  for (std::size_t cut = 1; cut < plain.size(); ++cut) {
    const std::string left = typed.substr(0, cut);
    const std::string right = typed.substr(cut);
    if ((left.size() == 1 && left != "a") || (right.size() == 1 && right != "a")) continue;
    const int leftClass = commonClass(left);
    const int rightClass = commonClass(right);
    if (leftClass == 1 && rightClass == 1 && !check.IsExcluded(left) && !check.IsExcluded(right)) {
      offer(InCaseOf(left, pattern) + " " + right, {1, 8}, 1);
    }
  }

  std::stable_sort(found.begin(), found.end(), [](const Suggestion& x, const Suggestion& y) {
    if (x.edits != y.edits) return x.edits < y.edits;
    if (x.frequencyClass != y.frequencyClass) return x.frequencyClass < y.frequencyClass;
    if (x.nearness != y.nearness) return x.nearness < y.nearness;
    // Among the same letters in two cases ("Boolean", "boolean"), the one written as typed.
    if (x.caseKept != y.caseKept) return x.caseKept;
    return x.word < y.word;
  });
  std::vector<Suggestion> best;
  for (Suggestion& s : found) {
    if (best.size() >= maxCount) break;
    const bool seen = std::any_of(best.begin(), best.end(), [&](const Suggestion& b) { return b.word == s.word; });
    if (!seen) best.push_back(std::move(s));
  }
  return best;
}

}  // namespace wordsnap::spell
