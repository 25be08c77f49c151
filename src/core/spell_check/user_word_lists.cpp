#include "core/spell_check/user_word_lists.h"

#include <algorithm>

#include "core/spell_check/spelling_session.h"

namespace wordsnap {
namespace {

// Adds the words and closes the list; false if any step failed (the list is
// closed either way).
bool AddAndClose(SpellingHost& host, std::int16_t session, std::int16_t lexicon,
                 const std::vector<std::string>& words) {
  bool ok = true;
  for (const std::string& word : words) {
    if (ok && host.AddToLex(session, lexicon, word.c_str(), "") < 0) ok = false;
  }
  return host.CloseLex(session, lexicon) >= 0 && ok;
}

}  // namespace

std::vector<std::string> ReadUserList(SpellingHost& host, const std::string& path) {
  std::vector<std::string> words;
  if (!host.FileExists(path)) return words;
  SpellingSession session(host);
  if (!session.Open()) return words;
  const std::int16_t lexicon = session.OpenList(path);
  if (lexicon < 0) return words;
  std::int32_t size = 0;
  std::int16_t format = 0, kind = 0, language = 0;
  if (host.GetLexInfo(session.Handle(), lexicon, &size, &format, &kind, &language) >= 0 && size > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');  // one more: always terminated
    const std::int32_t got = host.GetLex(session.Handle(), lexicon, buffer.data(), size);
    if (got >= 0) {
      const char* at = buffer.data();
      const char* end = buffer.data() + size;
      while (at < end) {
        const std::size_t length = static_cast<std::size_t>(std::find(at, end, '\0') - at);
        if (length > 0) words.emplace_back(at, length < kMaxSpellingWord ? length : kMaxSpellingWord);
        at += length + 1;
      }
    }
  }
  return words;
}

bool WriteUserList(SpellingHost& host, const std::string& path, std::int16_t kind, std::int16_t language,
                   const std::vector<std::string>& words) {
  SpellingSession session(host);
  if (!session.Open()) return false;
  if (host.FileExists(path) && !host.RemoveFile(path)) return false;
  const std::int16_t lexicon = host.CreateLex(session.Handle(), path.c_str(), kind, language);
  if (lexicon < 0) return false;
  return AddAndClose(host, session.Handle(), lexicon, words);
}

bool AddToValidWords(SpellingHost& host, const std::string& path, std::int16_t language, const std::string& word) {
  SpellingSession session(host);
  if (!session.Open()) return false;
  const std::int16_t lexicon =
      host.FileExists(path) ? host.OpenLex(session.Handle(), path.c_str(), 0)
                            : host.CreateLex(session.Handle(), path.c_str(), kValidWordsList, language);
  if (lexicon < 0) return false;
  return AddAndClose(host, session.Handle(), lexicon, {word});
}

}  // namespace wordsnap
