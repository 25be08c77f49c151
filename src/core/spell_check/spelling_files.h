#pragma once
// Which files a spelling command uses: the two main lists of the chosen language
// beside the program, and the user's two lists (words counted as valid and as
// invalid) in the folder for the program's own files.

#include <cstdint>
#include <string>

namespace wordsnap {

// The user lists' file names of the language in force, chosen at start-up and by
// the dictionary menu.
struct UserListNames {
  std::string exclude;  // words counted as invalid
  std::string include;  // words counted as valid
};

UserListNames UserListNamesFor(bool americanDictionary);

// "American" or "British", as the dialogs name the dictionary.
const char* DictionaryWord(bool americanDictionary);

// The language a new user list is created with: 1033 American, 2057 British.
std::int16_t LanguageCode(bool americanDictionary);

// Kinds of user list, as the library creates them.
inline constexpr std::int16_t kValidWordsList = 1;
inline constexpr std::int16_t kInvalidWordsList = 3;

struct SpellingFiles {
  bool american = true;
  std::string mainList;    // must open
  std::string secondList;  // must open
  std::string excludeList;
  std::string includeList;
};

// Full paths: main lists in programDir, user lists in userFilesDir (both without a
// trailing backslash).
SpellingFiles SpellingFilesFor(bool americanDictionary, const std::string& programDir, const std::string& userFilesDir,
                               const UserListNames& userLists);

}  // namespace wordsnap
