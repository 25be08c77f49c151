#pragma once
// The exports of the spelling library ssce4332.dll: stdcall, plain names,
// 16-bit signed handles and results (negative on error). The engine behind
// them and its result bits are in core/spell/spell_engine.h.

#include <cstdint>

#ifdef WORDSNAP_SPELL_BUILD
#define WORDSNAP_SPELL_API extern "C"
#else
#define WORDSNAP_SPELL_API extern "C" __declspec(dllimport)
#endif

WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_OpenSession() noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_CloseSession(std::int16_t session) noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_OpenLex(std::int16_t session, const char* path, std::int32_t memoryBudget) noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_CreateLex(std::int16_t session, const char* path, std::int16_t kind,
                                                         std::int16_t language) noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_AddToLex(std::int16_t session, std::int16_t lexicon, const char* word,
                                                        const char* companion) noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_CloseLex(std::int16_t session, std::int16_t lexicon) noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_GetLexInfo(std::int16_t session, std::int16_t lexicon, std::int32_t* size,
                                                          std::int16_t* format, std::int16_t* kind,
                                                          std::int16_t* language) noexcept;
WORDSNAP_SPELL_API std::int32_t __stdcall SSCE_GetLex(std::int16_t session, std::int16_t lexicon, char* buffer,
                                                      std::int32_t bufferSize) noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_OpenBlock(std::int16_t session, char* text, std::int32_t length,
                                                         std::int32_t capacity, std::int16_t copy) noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_CheckBlock(std::int16_t session, std::int16_t block, std::int32_t options,
                                                          char* word, std::int16_t wordSize, char* replacement,
                                                          std::int16_t replacementSize) noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_Suggest(std::int16_t session, const char* word, std::int16_t depth,
                                                       char* buffer, std::int32_t bufferSize, std::int16_t* scores,
                                                       std::int16_t scoreCount) noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_ReplaceBlockWord(std::int16_t session, std::int16_t block,
                                                                const char* word) noexcept;
WORDSNAP_SPELL_API std::int16_t __stdcall SSCE_NextBlockWord(std::int16_t session, std::int16_t block) noexcept;
