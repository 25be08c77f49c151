#pragma once
// Reading and writing the user's word lists through the spelling library, each in
// a session of its own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/seam/spelling_host.h"
#include "core/spell_check/spelling_files.h"

namespace wordsnap {

// The longest word the spelling dialogs carry (their buffers hold 50 characters,
// the terminator included).
inline constexpr std::size_t kMaxSpellingWord = 49;

// The words of the list at path, in the file's order, empty ones left out and
// longer ones cut to kMaxSpellingWord; none when the file does not exist or cannot
// be read.
std::vector<std::string> ReadUserList(SpellingHost& host, const std::string& path);

// Replaces the list at path by exactly `words`, in their order (kind: valid or
// invalid words; language: its code). False when the file could not be written.
bool WriteUserList(SpellingHost& host, const std::string& path, std::int16_t kind, std::int16_t language,
                   const std::vector<std::string>& words);

// Adds one word to the list of valid words at path, creating the list when it does
// not exist. False when it could not be written.
bool AddToValidWords(SpellingHost& host, const std::string& path, std::int16_t language, const std::string& word);

}  // namespace wordsnap
