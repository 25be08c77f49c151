#include "core/spell_check/spelling_files.h"

namespace wordsnap {

UserListNames UserListNamesFor(bool americanDictionary) {
  if (americanDictionary) return {"ExcEngl.tlx", "IncEngl.tlx"};
  return {"ExcBrit.tlx", "IncBrit.tlx"};
}

const char* DictionaryWord(bool americanDictionary) { return americanDictionary ? "American" : "British"; }

std::int16_t LanguageCode(bool americanDictionary) { return americanDictionary ? 1033 : 2057; }

SpellingFiles SpellingFilesFor(bool americanDictionary, const std::string& programDir, const std::string& userFilesDir,
                               const UserListNames& userLists) {
  SpellingFiles files;
  files.american = americanDictionary;
  files.mainList = programDir + (americanDictionary ? "\\ssceam.tlx" : "\\sscebr.tlx");
  files.secondList = programDir + (americanDictionary ? "\\ssceam1.clx" : "\\sscebr1.clx");
  files.excludeList = userFilesDir + "\\" + userLists.exclude;
  files.includeList = userFilesDir + "\\" + userLists.include;
  return files;
}

}  // namespace wordsnap
