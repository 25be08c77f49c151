#pragma once
// What the spelling commands need from outside: the spelling library's calls, as
// the library exports them (16-bit signed handles, negative on failure), and two
// operations on its list files. The program calls the library; native tests call
// the engine directly.

#include <cstdint>
#include <string>

namespace wordsnap {

class SpellingHost {
 public:
  virtual ~SpellingHost() = default;

  virtual std::int16_t OpenSession() = 0;
  virtual std::int16_t CloseSession(std::int16_t session) = 0;
  virtual std::int16_t OpenLex(std::int16_t session, const char* path, std::int32_t memoryBudget) = 0;
  virtual std::int16_t CreateLex(std::int16_t session, const char* path, std::int16_t kind, std::int16_t language) = 0;
  virtual std::int16_t AddToLex(std::int16_t session, std::int16_t lexicon, const char* word, const char* companion) = 0;
  virtual std::int16_t CloseLex(std::int16_t session, std::int16_t lexicon) = 0;
  virtual std::int16_t GetLexInfo(std::int16_t session, std::int16_t lexicon, std::int32_t* size, std::int16_t* format,
                                  std::int16_t* kind, std::int16_t* language) = 0;
  virtual std::int32_t GetLex(std::int16_t session, std::int16_t lexicon, char* buffer, std::int32_t bufferSize) = 0;
  virtual std::int16_t OpenBlock(std::int16_t session, char* text, std::int32_t length, std::int32_t capacity,
                                 std::int16_t copy) = 0;
  virtual std::int16_t CheckBlock(std::int16_t session, std::int16_t block, std::int32_t options, char* word,
                                  std::int16_t wordSize, char* replacement, std::int16_t replacementSize) = 0;
  virtual std::int16_t Suggest(std::int16_t session, const char* word, std::int16_t depth, char* buffer,
                               std::int32_t bufferSize, std::int16_t* scores, std::int16_t scoreCount) = 0;
  virtual std::int16_t ReplaceBlockWord(std::int16_t session, std::int16_t block, const char* word) = 0;
  virtual std::int16_t NextBlockWord(std::int16_t session, std::int16_t block) = 0;

  virtual bool FileExists(const std::string& path) = 0;
  // True when the file is gone afterwards.
  virtual bool RemoveFile(const std::string& path) = 0;
};

}  // namespace wordsnap
