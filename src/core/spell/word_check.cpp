#include "core/spell/word_check.h"

#include "core/spell/letters.h"

namespace wordsnap::spell {

namespace {

// The forms under which a typed word may stand in a list.
std::vector<std::string> ListForms(std::string_view word) {
  std::vector<std::string> forms{std::string(word)};
  const CasePattern pattern = CaseOf(word);
  if (pattern == CasePattern::Title || pattern == CasePattern::Upper) {
    const std::string lower = ToLowerLetters(word);
    forms.push_back(lower);
    if (pattern == CasePattern::Upper) forms.push_back(InCaseOf(lower, CasePattern::Title));
  }
  return forms;
}

}  // namespace

std::string PlainApostrophes(std::string_view word) {
  std::string out(word);
  for (char& c : out) {
    if (c == '\x92') c = '\'';
  }
  return out;
}

bool WordCheck::InKind(LexiconKind kind, std::string_view word) const {
  for (const Lexicon* lex : lexicons_) {
    if (lex->Kind() == kind && lex->Contains(word)) return true;
  }
  return false;
}

bool WordCheck::IsExcluded(std::string_view word) const {
  for (const std::string& form : ListForms(PlainApostrophes(word))) {
    if (InKind(LexiconKind::Exclude, form)) return true;
  }
  return false;
}

bool WordCheck::IsKnown(std::string_view word) const {
  if (IsExcluded(word)) return false;
  for (const std::string& form : ListForms(PlainApostrophes(word))) {
    if (InKind(LexiconKind::Include, form) || InKind(LexiconKind::Main, form)) return true;
  }
  return false;
}

std::optional<std::string> WordCheck::ChangeFor(std::string_view word) const {
  const CasePattern pattern = CaseOf(word);
  for (const std::string& form : ListForms(PlainApostrophes(word))) {
    for (const Lexicon* lex : lexicons_) {
      if (lex->Kind() != LexiconKind::Change) continue;
      if (const auto i = lex->Find(form)) return InCaseOf(lex->Companion(*i), pattern);
    }
  }
  return std::nullopt;
}

Verdict WordCheck::Check(std::string_view word) const {
  if (IsKnown(word)) return {};
  if (!IsExcluded(word)) {
    if (auto change = ChangeFor(word)) return {Verdict::Kind::Change, std::move(*change)};
  }
  return {Verdict::Kind::Unknown, {}};
}

}  // namespace wordsnap::spell
