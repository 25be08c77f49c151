#include "platform/win32/win32_spelling_host.h"

#include <windows.h>

#include "ssce.h"

namespace wordsnap {

std::int16_t Win32SpellingHost::OpenSession() { return SSCE_OpenSession(); }
std::int16_t Win32SpellingHost::CloseSession(std::int16_t session) { return SSCE_CloseSession(session); }
std::int16_t Win32SpellingHost::OpenLex(std::int16_t session, const char* path, std::int32_t memoryBudget) {
  return SSCE_OpenLex(session, path, memoryBudget);
}
std::int16_t Win32SpellingHost::CreateLex(std::int16_t session, const char* path, std::int16_t kind,
                                          std::int16_t language) {
  return SSCE_CreateLex(session, path, kind, language);
}
std::int16_t Win32SpellingHost::AddToLex(std::int16_t session, std::int16_t lexicon, const char* word,
                                         const char* companion) {
  return SSCE_AddToLex(session, lexicon, word, companion);
}
std::int16_t Win32SpellingHost::CloseLex(std::int16_t session, std::int16_t lexicon) {
  return SSCE_CloseLex(session, lexicon);
}
std::int16_t Win32SpellingHost::GetLexInfo(std::int16_t session, std::int16_t lexicon, std::int32_t* size,
                                           std::int16_t* format, std::int16_t* kind, std::int16_t* language) {
  return SSCE_GetLexInfo(session, lexicon, size, format, kind, language);
}
std::int32_t Win32SpellingHost::GetLex(std::int16_t session, std::int16_t lexicon, char* buffer,
                                       std::int32_t bufferSize) {
  return SSCE_GetLex(session, lexicon, buffer, bufferSize);
}
std::int16_t Win32SpellingHost::OpenBlock(std::int16_t session, char* text, std::int32_t length,
                                          std::int32_t capacity, std::int16_t copy) {
  return SSCE_OpenBlock(session, text, length, capacity, copy);
}
std::int16_t Win32SpellingHost::CheckBlock(std::int16_t session, std::int16_t block, std::int32_t options, char* word,
                                           std::int16_t wordSize, char* replacement, std::int16_t replacementSize) {
  return SSCE_CheckBlock(session, block, options, word, wordSize, replacement, replacementSize);
}
std::int16_t Win32SpellingHost::Suggest(std::int16_t session, const char* word, std::int16_t depth, char* buffer,
                                        std::int32_t bufferSize, std::int16_t* scores, std::int16_t scoreCount) {
  return SSCE_Suggest(session, word, depth, buffer, bufferSize, scores, scoreCount);
}
std::int16_t Win32SpellingHost::ReplaceBlockWord(std::int16_t session, std::int16_t block, const char* word) {
  return SSCE_ReplaceBlockWord(session, block, word);
}
std::int16_t Win32SpellingHost::NextBlockWord(std::int16_t session, std::int16_t block) {
  return SSCE_NextBlockWord(session, block);
}

bool Win32SpellingHost::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32SpellingHost::RemoveFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != 0 || GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace wordsnap
