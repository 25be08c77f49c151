#pragma once
// The spelling engine behind the thirteen exported calls of the spelling
// library: sessions, the lists opened in them and the text blocks being
// checked, all named by 16-bit signed handles. Errors are negative results.
// The library's exports forward here one to one.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "core/spell/lexicon.h"
#include "core/spell/spell_files.h"
#include "core/spell/suggester.h"

namespace wordsnap::spell {

// Results of CheckBlock.
inline constexpr std::int16_t kCheckUnknownWord = 1;
inline constexpr std::int16_t kCheckAutoChange = 2;
inline constexpr std::int16_t kCheckEndOfBlock = 64;

// Error results.
inline constexpr std::int16_t kErrorHandle = -1;     // no such session, list or block
inline constexpr std::int16_t kErrorFile = -2;       // a file could not be opened, read or written
inline constexpr std::int16_t kErrorNoRoom = -3;     // a buffer or the block's capacity is too small
inline constexpr std::int16_t kErrorArgument = -4;   // a missing pointer, a bad size or kind
inline constexpr std::int16_t kErrorNoWord = -5;     // no current word in the block

inline constexpr std::int16_t kMaxSuggestions = 16;

class SpellEngine {
 public:
  explicit SpellEngine(SpellFiles& files) : files_(files) {}

  std::int16_t OpenSession();
  std::int16_t CloseSession(std::int16_t session);

  // The memory budget is accepted and not needed: lists are read whole.
  std::int16_t OpenLex(std::int16_t session, const char* path, std::int32_t memoryBudget);
  std::int16_t CreateLex(std::int16_t session, const char* path, std::int16_t kind, std::int16_t language);
  std::int16_t AddToLex(std::int16_t session, std::int16_t lexicon, const char* word, const char* companion);
  std::int16_t CloseLex(std::int16_t session, std::int16_t lexicon);
  std::int16_t GetLexInfo(std::int16_t session, std::int16_t lexicon, std::int32_t* size, std::int16_t* format,
                          std::int16_t* kind, std::int16_t* language);
  std::int32_t GetLex(std::int16_t session, std::int16_t lexicon, char* buffer, std::int32_t bufferSize);

  // The text stays in the caller's buffer (unless `copy` is set): `length` is
  // the text's length plus its terminator, `capacity` what the buffer holds.
  std::int16_t OpenBlock(std::int16_t session, char* text, std::int32_t length, std::int32_t capacity, std::int16_t copy);
  std::int16_t CheckBlock(std::int16_t session, std::int16_t block, std::int32_t options, char* word, std::int16_t wordSize,
                          char* replacement, std::int16_t replacementSize);
  std::int16_t Suggest(std::int16_t session, const char* word, std::int16_t depth, char* buffer, std::int32_t bufferSize,
                       std::int16_t* scores, std::int16_t scoreCount);
  std::int16_t ReplaceBlockWord(std::int16_t session, std::int16_t block, const char* word);
  std::int16_t NextBlockWord(std::int16_t session, std::int16_t block);

 private:
  struct OpenList {
    std::string path;
    Lexicon lexicon;
    bool changed = false;
    std::unique_ptr<SuggestIndex> index;  // built when first needed
  };
  struct Block {
    char* text = nullptr;
    std::size_t size = 0;      // characters before the terminator
    std::size_t capacity = 0;  // characters the buffer holds, terminator included
    std::string copy;          // the text when the caller asked for a copy
    std::size_t position = 0;
    bool hasWord = false;
    std::size_t wordStart = 0;
    std::size_t wordLength = 0;
  };
  struct Session {
    std::map<std::int16_t, OpenList> lists;
    std::map<std::int16_t, Block> blocks;
    std::int16_t nextList = 1;
    std::int16_t nextBlock = 1;
  };

  Session* Find(std::int16_t session);
  OpenList* FindList(std::int16_t session, std::int16_t lexicon);
  Block* FindBlock(std::int16_t session, std::int16_t block);
  std::int16_t AddList(Session& s, OpenList list);
  bool Save(const OpenList& list);
  WordCheck CheckOf(const Session& s) const;

  SpellFiles& files_;
  std::map<std::int16_t, Session> sessions_;
  std::int16_t nextSession_ = 1;
};

}  // namespace wordsnap::spell
