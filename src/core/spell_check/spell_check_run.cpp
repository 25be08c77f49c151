#include "core/spell_check/spell_check_run.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/spell_check/spelling_session.h"
#include "core/spell_check/user_word_lists.h"

namespace wordsnap {
namespace {

constexpr std::int32_t kCheckOptions = 128;
constexpr std::int16_t kWordBufferSize = 50;
constexpr std::int32_t kSuggestionBufferSize = 500;
constexpr std::int16_t kScoreCount = 30;
constexpr std::size_t kSpareCharacters = 200;

constexpr int kUnknownWord = 1;
constexpr int kAutomaticChange = 2;
constexpr int kEndOfText = 64;

constexpr const char* kDictionaryMissing = "Could not find one of the dictionary files.";

std::vector<std::string> SuggestionsFor(SpellingHost& host, std::int16_t session, const char* word) {
  std::array<char, kSuggestionBufferSize> buffer{};
  std::array<std::int16_t, kScoreCount> scores{};
  if (host.Suggest(session, word, -1, buffer.data(), kSuggestionBufferSize, scores.data(), kScoreCount) < 0) return {};
  return SuggestionsIn(buffer.data(), buffer.size());
}

}  // namespace

std::vector<std::string> SuggestionsIn(const char* buffer, std::size_t size) {
  std::vector<std::string> suggestions;
  const char* at = buffer;
  const char* end = buffer + size;
  while (at < end) {
    const char* stop = std::find(at, end, '\0');
    if (stop == at || stop == end) break;  // the closing empty text, or a list cut short
    const std::size_t length = static_cast<std::size_t>(stop - at);
    if (length <= kMaxSpellingWord) suggestions.emplace_back(at, length);
    at = stop + 1;
  }
  return suggestions;
}

SpellCheckResult CheckSpelling(SpellingHost& host, SpellCheckDialogs& dialogs, const SpellingFiles& files,
                               std::string& text) {
  SpellingSession check(host);
  if (!check.Open()) {
    dialogs.ShowMessage(kDictionaryMissing, "Error");
    return SpellCheckResult::NotRun;
  }
  // The user's lists when they exist (one that cannot be opened is passed over),
  // then the two main lists, which must open.
  for (const std::string* userList : {&files.excludeList, &files.includeList}) {
    if (host.FileExists(*userList)) check.OpenList(*userList);
  }
  if (check.OpenList(files.mainList) < 0 || check.OpenList(files.secondList) < 0) {
    dialogs.ShowMessage(kDictionaryMissing, "Error");
    return SpellCheckResult::NotRun;
  }

  // The library works in this buffer, in place, and may grow the text into the spare room.
  std::vector<char> buffer(text.size() + 1 + kSpareCharacters, '\0');
  std::copy(text.begin(), text.end(), buffer.begin());
  const auto length = static_cast<std::int32_t>(text.size() + 1);
  const std::int16_t session = check.Handle();
  const std::int16_t block = host.OpenBlock(session, buffer.data(), length,
                                            length + static_cast<std::int32_t>(kSpareCharacters), 0);
  if (block < 0) {
    dialogs.ShowMessage("The text could not be checked.", "Error");
    return SpellCheckResult::NotRun;
  }

  bool misspellingFound = false;
  bool aborted = false;
  for (;;) {
    std::array<char, kWordBufferSize> word{};
    std::array<char, kWordBufferSize> replacement{};
    const std::int16_t result = host.CheckBlock(session, block, kCheckOptions, word.data(), kWordBufferSize,
                                                replacement.data(), kWordBufferSize);
    if (result < 0 || (result & (kUnknownWord | kAutomaticChange | kEndOfText)) == 0) break;  // nothing more to go on
    word.back() = '\0';
    replacement.back() = '\0';
    if (result & kUnknownWord) {
      misspellingFound = true;
      const std::vector<std::string> suggestions = SuggestionsFor(host, session, word.data());
      if (suggestions.empty()) {
        dialogs.ShowMessage(std::string(word.data()) + " was not found in the dictionary.  " +
                                "No suggestions could be found.",
                            "Notice");
        host.NextBlockWord(session, block);
      } else {
        const WordDecision decision = dialogs.AskAboutWord(word.data(), suggestions);
        bool replaced = false;
        if (decision.action == WordAction::Replace) {
          replaced = host.ReplaceBlockWord(session, block, decision.replacement.c_str()) >= 0;
          if (!replaced)
            dialogs.ShowMessage("The replacement would make the text too long, so the word was left as it is.",
                                "Notice");
        } else if (decision.action == WordAction::Add) {
          if (!AddToValidWords(host, files.includeList, LanguageCode(files.american), word.data()))
            dialogs.ShowMessage("The word could not be added to the dictionary file " + files.includeList + ".",
                                "Error");
        } else if (decision.action == WordAction::Abort) {
          aborted = true;
        }
        if (!replaced) host.NextBlockWord(session, block);
      }
    } else if (result & kAutomaticChange) {
      if (host.ReplaceBlockWord(session, block, replacement.data()) < 0) host.NextBlockWord(session, block);
    }
    if ((result & kEndOfText) || aborted) break;
  }

  buffer.back() = '\0';
  text.assign(buffer.data());
  if (!misspellingFound) return SpellCheckResult::AllFound;
  return aborted ? SpellCheckResult::Aborted : SpellCheckResult::Complete;
}

std::string SuggestionNoticeText(bool americanDictionary) {
  return std::string("The following word was not found in the ") + DictionaryWord(americanDictionary) +
         " dictionary.  Suggestions are listed below.";
}

std::optional<SpellCheckReport> ReportOf(SpellCheckResult result) {
  switch (result) {
    case SpellCheckResult::AllFound: return SpellCheckReport{"Spelling Ok", "All words were found in the dictionary."};
    case SpellCheckResult::Aborted: return SpellCheckReport{"Spelling Status", "Spell checking aborted."};
    case SpellCheckResult::Complete: return SpellCheckReport{"Spelling Status", "Spell checking complete."};
    case SpellCheckResult::NotRun: break;
  }
  return std::nullopt;
}

}  // namespace wordsnap
