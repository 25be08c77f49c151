// Our suggestions for a list of misspellings: reads "wrong right" lines and
// prints "wrong<TAB>first|second|..." with up to five suggestions, for
// spell_quality.py to score next to another checker's.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "core/spell/spell_engine.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: spell_quality MAIN.tlx MISSPELLINGS\n";
    return 2;
  }
  wordsnap::spell::StdSpellFiles files;
  wordsnap::spell::SpellEngine engine(files);
  const std::int16_t session = engine.OpenSession();
  if (engine.OpenLex(session, argv[1], -1) <= 0) {
    std::cerr << "cannot open " << argv[1] << '\n';
    return 1;
  }
  std::ifstream in(argv[2]);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string wrong;
    if (!(fields >> wrong)) continue;
    char list[500];
    std::int16_t scores[30];
    const int count = engine.Suggest(session, wrong.c_str(), -1, list, sizeof list, scores, 30);
    std::cout << wrong << '\t';
    const char* at = list;
    for (int i = 0; i < count && i < 5; ++i) {
      std::cout << (i ? "|" : "") << at;
      at += std::string(at).size() + 1;
    }
    std::cout << '\n';
  }
  return 0;
}
