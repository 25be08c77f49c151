// A word list and a user list of any bytes opened by the spelling engine, and a text
// of any bytes checked against them word by word, with suggestions asked for and the
// first one put in the text, within the room the caller's buffer gives.

#include <cstring>
#include <vector>

#include "core/spell/lexicon.h"
#include "core/spell/spell_engine.h"
#include "fuzz_input.h"
#include "spell/spell_fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  using namespace wordsnap::spell;
  fuzz::FuzzInput input(data, size);
  const std::string mainList = input.Text(4096);
  const std::string userList = input.Text(1024);
  const std::string text = input.Text(600);

  if (const std::optional<Lexicon> parsed = Lexicon::Parse(mainList)) {
    const std::optional<Lexicon> again = Lexicon::Parse(parsed->Serialise());
    fuzz::Require(again && again->Size() == parsed->Size(), "a list read back is written and read again whole");
  }

  MemorySpellFiles files;
  files.files["MAIN.TLX"] = mainList;
  files.files["USER.TLX"] = userList;
  SpellEngine engine(files);
  const std::int16_t session = engine.OpenSession();
  engine.OpenLex(session, "MAIN.TLX", 0);
  const std::int16_t user = engine.OpenLex(session, "USER.TLX", 0);
  engine.AddToLex(session, user, "wordsnap", nullptr);

  // The text with 200 characters to spare, as the editor gives it.
  std::vector<char> buffer(text.size() + 1 + 200, '\0');
  std::memcpy(buffer.data(), text.data(), text.size());
  const std::int16_t block = engine.OpenBlock(session, buffer.data(), static_cast<std::int32_t>(text.size() + 1),
                                              static_cast<std::int32_t>(buffer.size()), 0);
  char word[50];
  char replacement[50];
  char suggestions[1024];
  std::int16_t scores[16];
  for (int step = 0; step < 200; ++step) {
    const std::int16_t result = engine.CheckBlock(session, block, 128, word, sizeof(word), replacement, sizeof(replacement));
    if (result < 0 || (result & kCheckEndOfBlock)) break;
    if (result & kCheckUnknownWord) {
      if (engine.Suggest(session, word, 1, suggestions, sizeof(suggestions), scores, 16) > 0) {
        engine.ReplaceBlockWord(session, block, suggestions);
      }
    }
    engine.NextBlockWord(session, block);
  }
  engine.CloseLex(session, user);
  engine.CloseSession(session);
  return 0;
}
