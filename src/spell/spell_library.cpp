// ssce4332.dll: each export takes the library's lock and forwards to the one
// engine of the process. No exception leaves the library.

#include "ssce.h"

#include <mutex>

#include "core/spell/spell_engine.h"

namespace {

using wordsnap::spell::SpellEngine;

// The one engine of the process and its lock (not inside the template below,
// which has an instance per export).
struct Shared {
  wordsnap::spell::StdSpellFiles files;
  SpellEngine engine{files};
  std::mutex lock;
};

Shared& TheShared() {
  static Shared shared;
  return shared;
}

template <typename Call>
auto Locked(Call call) noexcept -> decltype(call(std::declval<SpellEngine&>())) {
  try {
    Shared& shared = TheShared();
    const std::lock_guard guard(shared.lock);
    return call(shared.engine);
  } catch (...) {
    return wordsnap::spell::kErrorArgument;
  }
}

}  // namespace

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_OpenSession() noexcept {
  return Locked([](SpellEngine& e) { return e.OpenSession(); });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_CloseSession(std::int16_t session) noexcept {
  return Locked([=](SpellEngine& e) { return e.CloseSession(session); });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_OpenLex(std::int16_t session, const char* path, std::int32_t memoryBudget) noexcept {
  return Locked([=](SpellEngine& e) { return e.OpenLex(session, path, memoryBudget); });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_CreateLex(std::int16_t session, const char* path, std::int16_t kind,
                                                         std::int16_t language) noexcept {
  return Locked([=](SpellEngine& e) { return e.CreateLex(session, path, kind, language); });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_AddToLex(std::int16_t session, std::int16_t lexicon, const char* word,
                                                        const char* companion) noexcept {
  return Locked([=](SpellEngine& e) { return e.AddToLex(session, lexicon, word, companion); });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_CloseLex(std::int16_t session, std::int16_t lexicon) noexcept {
  return Locked([=](SpellEngine& e) { return e.CloseLex(session, lexicon); });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_GetLexInfo(std::int16_t session, std::int16_t lexicon, std::int32_t* size,
                                                          std::int16_t* format, std::int16_t* kind,
                                                          std::int16_t* language) noexcept {
  return Locked([=](SpellEngine& e) { return e.GetLexInfo(session, lexicon, size, format, kind, language); });
}

WORDSNAP_SPELL_API std::int32_t __stdcall SSCE_GetLex(std::int16_t session, std::int16_t lexicon, char* buffer,
                                                      std::int32_t bufferSize) noexcept {
  return Locked([=](SpellEngine& e) { return e.GetLex(session, lexicon, buffer, bufferSize); });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_OpenBlock(std::int16_t session, char* text, std::int32_t length,
                                                         std::int32_t capacity, std::int16_t copy) noexcept {
  return Locked([=](SpellEngine& e) { return e.OpenBlock(session, text, length, capacity, copy); });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_CheckBlock(std::int16_t session, std::int16_t block, std::int32_t options,
                                                          char* word, std::int16_t wordSize, char* replacement,
                                                          std::int16_t replacementSize) noexcept {
  return Locked([=](SpellEngine& e) {
    return e.CheckBlock(session, block, options, word, wordSize, replacement, replacementSize);
  });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_Suggest(std::int16_t session, const char* word, std::int16_t depth,
                                                       char* buffer, std::int32_t bufferSize, std::int16_t* scores,
                                                       std::int16_t scoreCount) noexcept {
  return Locked([=](SpellEngine& e) { return e.Suggest(session, word, depth, buffer, bufferSize, scores, scoreCount); });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_ReplaceBlockWord(std::int16_t session, std::int16_t block,
                                                                const char* word) noexcept {
  return Locked([=](SpellEngine& e) { return e.ReplaceBlockWord(session, block, word); });
}

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_NextBlockWord(std::int16_t session, std::int16_t block) noexcept {
  return Locked([=](SpellEngine& e) { return e.NextBlockWord(session, block); });
}
