#include "core/spell/spell_engine.h"

#include <cstring>
#include <limits>
#include <string_view>

#include "core/spell/word_scanner.h"

namespace wordsnap::spell {

namespace {

// The next free handle after `next`, positive, wrapping round.
template <typename Map>
std::int16_t FreeHandle(const Map& used, std::int16_t& next) {
  for (int tries = 0; tries < std::numeric_limits<std::int16_t>::max(); ++tries) {
    const std::int16_t h = next;
    next = next == std::numeric_limits<std::int16_t>::max() ? 1 : static_cast<std::int16_t>(next + 1);
    if (!used.contains(h)) return h;
  }
  return kErrorNoRoom;
}

// Copies a word and its terminator when both fit.
bool CopyOut(std::string_view word, char* buffer, std::size_t size) {
  if (buffer == nullptr || word.size() + 1 > size) return false;
  std::memcpy(buffer, word.data(), word.size());
  buffer[word.size()] = '\0';
  return true;
}

}  // namespace

SpellEngine::Session* SpellEngine::Find(std::int16_t session) {
  const auto it = sessions_.find(session);
  return it == sessions_.end() ? nullptr : &it->second;
}

SpellEngine::OpenList* SpellEngine::FindList(std::int16_t session, std::int16_t lexicon) {
  Session* s = Find(session);
  if (s == nullptr) return nullptr;
  const auto it = s->lists.find(lexicon);
  return it == s->lists.end() ? nullptr : &it->second;
}

SpellEngine::Block* SpellEngine::FindBlock(std::int16_t session, std::int16_t block) {
  Session* s = Find(session);
  if (s == nullptr) return nullptr;
  const auto it = s->blocks.find(block);
  return it == s->blocks.end() ? nullptr : &it->second;
}

std::int16_t SpellEngine::OpenSession() {
  const std::int16_t h = FreeHandle(sessions_, nextSession_);
  if (h > 0) sessions_.emplace(h, Session{});
  return h;
}

std::int16_t SpellEngine::CloseSession(std::int16_t session) {
  Session* s = Find(session);
  if (s == nullptr) return kErrorHandle;
  bool saved = true;
  for (const auto& [h, list] : s->lists) saved = Save(list) && saved;
  sessions_.erase(session);
  return saved ? 0 : kErrorFile;
}

bool SpellEngine::Save(const OpenList& list) {
  if (!list.changed) return true;
  return files_.Write(list.path, list.lexicon.Serialise());
}

std::int16_t SpellEngine::AddList(Session& s, OpenList list) {
  const std::int16_t h = FreeHandle(s.lists, s.nextList);
  if (h > 0) s.lists.emplace(h, std::move(list));
  return h;
}

std::int16_t SpellEngine::OpenLex(std::int16_t session, const char* path, std::int32_t /*memoryBudget*/) {
  Session* s = Find(session);
  if (s == nullptr) return kErrorHandle;
  if (path == nullptr) return kErrorArgument;
  const auto bytes = files_.Read(path);
  if (!bytes) return kErrorFile;
  auto lexicon = Lexicon::Parse(*bytes);
  if (!lexicon) return kErrorFile;
  return AddList(*s, OpenList{path, std::move(*lexicon), false, nullptr});
}

std::int16_t SpellEngine::CreateLex(std::int16_t session, const char* path, std::int16_t kind, std::int16_t language) {
  Session* s = Find(session);
  if (s == nullptr) return kErrorHandle;
  if (path == nullptr || kind < 0 || kind > 3) return kErrorArgument;
  Lexicon lexicon(static_cast<LexiconKind>(kind), static_cast<std::uint16_t>(language));
  if (!files_.Write(path, lexicon.Serialise())) return kErrorFile;
  return AddList(*s, OpenList{path, std::move(lexicon), false, nullptr});
}

std::int16_t SpellEngine::AddToLex(std::int16_t session, std::int16_t lexicon, const char* word, const char* companion) {
  OpenList* list = FindList(session, lexicon);
  if (list == nullptr) return kErrorHandle;
  if (word == nullptr) return kErrorArgument;
  const std::string_view w(word);
  if (list->lexicon.Contains(w)) return 0;
  if (!list->lexicon.Add(w, companion == nullptr ? std::string_view() : std::string_view(companion))) return kErrorArgument;
  list->changed = true;
  list->index.reset();
  return 0;
}

std::int16_t SpellEngine::CloseLex(std::int16_t session, std::int16_t lexicon) {
  Session* s = Find(session);
  OpenList* list = FindList(session, lexicon);
  if (list == nullptr) return kErrorHandle;
  const bool saved = Save(*list);
  s->lists.erase(lexicon);
  return saved ? 0 : kErrorFile;
}

std::int16_t SpellEngine::GetLexInfo(std::int16_t session, std::int16_t lexicon, std::int32_t* size, std::int16_t* format,
                                     std::int16_t* kind, std::int16_t* language) {
  const OpenList* list = FindList(session, lexicon);
  if (list == nullptr) return kErrorHandle;
  std::int64_t total = 0;
  for (std::size_t i = 0; i < list->lexicon.Size(); ++i) total += static_cast<std::int64_t>(list->lexicon.Word(i).size()) + 1;
  if (total > std::numeric_limits<std::int32_t>::max()) return kErrorNoRoom;
  if (size != nullptr) *size = static_cast<std::int32_t>(total);
  if (format != nullptr) *format = 1;
  if (kind != nullptr) *kind = static_cast<std::int16_t>(list->lexicon.Kind());
  if (language != nullptr) *language = static_cast<std::int16_t>(list->lexicon.Language());
  return 0;
}

std::int32_t SpellEngine::GetLex(std::int16_t session, std::int16_t lexicon, char* buffer, std::int32_t bufferSize) {
  const OpenList* list = FindList(session, lexicon);
  if (list == nullptr) return kErrorHandle;
  if (buffer == nullptr || bufferSize < 0) return kErrorArgument;
  std::size_t at = 0;
  for (std::size_t i = 0; i < list->lexicon.Size(); ++i) {
    if (!CopyOut(list->lexicon.Word(i), buffer + at, static_cast<std::size_t>(bufferSize) - at)) return kErrorNoRoom;
    at += list->lexicon.Word(i).size() + 1;
  }
  return static_cast<std::int32_t>(at);
}

std::int16_t SpellEngine::OpenBlock(std::int16_t session, char* text, std::int32_t length, std::int32_t capacity, std::int16_t copy) {
  Session* s = Find(session);
  if (s == nullptr) return kErrorHandle;
  if (text == nullptr || length < 1 || capacity < length) return kErrorArgument;
  Block b;
  b.size = static_cast<std::size_t>(length) - 1;
  b.capacity = static_cast<std::size_t>(capacity);
  if (copy != 0) {
    b.copy.assign(text, b.size);
    b.copy.resize(b.capacity, '\0');
    b.text = b.copy.data();
  } else {
    b.text = text;
  }
  b.text[b.size] = '\0';
  const std::int16_t h = FreeHandle(s->blocks, s->nextBlock);
  if (h > 0) {
    auto [it, added] = s->blocks.emplace(h, std::move(b));
    // The copy moved with the block: point at it where it now lives.
    if (copy != 0) it->second.text = it->second.copy.data();
  }
  return h;
}

WordCheck SpellEngine::CheckOf(const Session& s) const {
  std::vector<const Lexicon*> lexicons;
  for (const auto& [h, list] : s.lists) lexicons.push_back(&list.lexicon);
  return WordCheck(std::move(lexicons));
}

std::int16_t SpellEngine::CheckBlock(std::int16_t session, std::int16_t block, std::int32_t /*options*/, char* word,
                                     std::int16_t wordSize, char* replacement, std::int16_t replacementSize) {
  Session* s = Find(session);
  Block* b = FindBlock(session, block);
  if (b == nullptr) return kErrorHandle;
  if (word == nullptr || wordSize < 1) return kErrorArgument;
  const WordCheck check = CheckOf(*s);
  const std::string_view text(b->text, b->size);
  for (;;) {
    const std::size_t from = b->hasWord ? b->wordStart : b->position;
    const auto found = NextWord(text, from);
    b->hasWord = false;
    if (!found) {
      b->position = b->size;
      word[0] = '\0';
      return kCheckEndOfBlock;
    }
    const std::string_view w = text.substr(found->start, found->length);
    b->position = found->start + found->length;
    const Verdict verdict = check.Check(w);
    if (verdict.kind == Verdict::Kind::Known) continue;
    // Words longer than the caller's buffer are passed over: they could be
    // neither shown nor replaced whole.
    if (!CopyOut(w, word, static_cast<std::size_t>(wordSize))) continue;
    b->hasWord = true;
    b->wordStart = found->start;
    b->wordLength = found->length;
    if (verdict.kind == Verdict::Kind::Change && replacementSize > 0 &&
        CopyOut(verdict.replacement, replacement, static_cast<std::size_t>(replacementSize))) {
      return kCheckAutoChange;
    }
    return kCheckUnknownWord;
  }
}

std::int16_t SpellEngine::Suggest(std::int16_t session, const char* word, std::int16_t /*depth*/, char* buffer,
                                  std::int32_t bufferSize, std::int16_t* scores, std::int16_t scoreCount) {
  Session* s = Find(session);
  if (s == nullptr) return kErrorHandle;
  if (word == nullptr || buffer == nullptr || bufferSize < 1) return kErrorArgument;
  std::vector<const SuggestIndex*> indexes;
  for (auto& [h, list] : s->lists) {
    const LexiconKind kind = list.lexicon.Kind();
    if (kind != LexiconKind::Main && kind != LexiconKind::Include) continue;
    if (!list.index) list.index = std::make_unique<SuggestIndex>(list.lexicon);
    indexes.push_back(list.index.get());
  }
  const std::string_view w(word);
  std::vector<Suggestion> found;
  if (w.size() <= kMaxCheckedWord) found = spell::Suggest(w, indexes, CheckOf(*s), kMaxSuggestions, kMaxCheckedWord);

  // Whole suggestions while they fit with the closing empty text after them.
  std::size_t at = 0;
  std::int16_t count = 0;
  for (const Suggestion& sug : found) {
    if (at + sug.word.size() + 2 > static_cast<std::size_t>(bufferSize)) break;
    CopyOut(sug.word, buffer + at, sug.word.size() + 1);
    at += sug.word.size() + 1;
    if (scores != nullptr && count < scoreCount) {
      scores[count] = static_cast<std::int16_t>(100 - 30 * sug.edits - 5 * (sug.frequencyClass - 1));
    }
    ++count;
  }
  buffer[at] = '\0';
  return count;
}

std::int16_t SpellEngine::ReplaceBlockWord(std::int16_t session, std::int16_t block, const char* word) {
  Block* b = FindBlock(session, block);
  if (b == nullptr) return kErrorHandle;
  if (word == nullptr) return kErrorArgument;
  if (!b->hasWord) return kErrorNoWord;
  const std::size_t newLength = std::strlen(word);
  const std::size_t newSize = b->size - b->wordLength + newLength;
  if (newSize + 1 > b->capacity) return kErrorNoRoom;
  const std::size_t tail = b->wordStart + b->wordLength;
  std::memmove(b->text + b->wordStart + newLength, b->text + tail, b->size - tail);
  std::memcpy(b->text + b->wordStart, word, newLength);
  b->size = newSize;
  b->text[b->size] = '\0';
  b->position = b->wordStart + newLength;
  b->hasWord = false;
  return 0;
}

std::int16_t SpellEngine::NextBlockWord(std::int16_t session, std::int16_t block) {
  Block* b = FindBlock(session, block);
  if (b == nullptr) return kErrorHandle;
  if (b->hasWord) {
    b->position = b->wordStart + b->wordLength;
    b->hasWord = false;
  } else if (const auto next = NextWord(std::string_view(b->text, b->size), b->position)) {
    b->position = next->start + next->length;
  } else {
    b->position = b->size;
  }
  return 0;
}

}  // namespace wordsnap::spell
