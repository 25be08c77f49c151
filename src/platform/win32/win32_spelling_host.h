#pragma once
// The spelling commands' host in the program: the spelling library's exports and
// the list files on disk.

#include "core/seam/spelling_host.h"

namespace wordsnap {

class Win32SpellingHost final : public SpellingHost {
 public:
  std::int16_t OpenSession() override;
  std::int16_t CloseSession(std::int16_t session) override;
  std::int16_t OpenLex(std::int16_t session, const char* path, std::int32_t memoryBudget) override;
  std::int16_t CreateLex(std::int16_t session, const char* path, std::int16_t kind, std::int16_t language) override;
  std::int16_t AddToLex(std::int16_t session, std::int16_t lexicon, const char* word, const char* companion) override;
  std::int16_t CloseLex(std::int16_t session, std::int16_t lexicon) override;
  std::int16_t GetLexInfo(std::int16_t session, std::int16_t lexicon, std::int32_t* size, std::int16_t* format,
                          std::int16_t* kind, std::int16_t* language) override;
  std::int32_t GetLex(std::int16_t session, std::int16_t lexicon, char* buffer, std::int32_t bufferSize) override;
  std::int16_t OpenBlock(std::int16_t session, char* text, std::int32_t length, std::int32_t capacity,
                         std::int16_t copy) override;
  std::int16_t CheckBlock(std::int16_t session, std::int16_t block, std::int32_t options, char* word,
                          std::int16_t wordSize, char* replacement, std::int16_t replacementSize) override;
  std::int16_t Suggest(std::int16_t session, const char* word, std::int16_t depth, char* buffer,
                       std::int32_t bufferSize, std::int16_t* scores, std::int16_t scoreCount) override;
  std::int16_t ReplaceBlockWord(std::int16_t session, std::int16_t block, const char* word) override;
  std::int16_t NextBlockWord(std::int16_t session, std::int16_t block) override;
  bool FileExists(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
};

}  // namespace wordsnap
