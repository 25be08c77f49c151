// The spelling engine on the real word lists: opening the American main list,
// checking a 3000-character text (with both lists open, as a check opens
// them) and one suggestion list for an unknown word (the first suggestion
// list of a check also builds the list's suggestion index: measured apart).
#include <benchmark/benchmark.h>

#include <string>

#include "core/spell/spell_engine.h"

namespace wordsnap::spell {
namespace {

const std::string kMain = WORDSNAP_SPELL_DIR "/ssceam.tlx";
const std::string kChanges = WORDSNAP_SPELL_DIR "/ssceam1.clx";

std::string Text3000() {
  const std::string prose =
      "Thank you for your letter of <MM/DD/YY{NP007}>. We have recieved the samples and will send "
      "the signed contract to your office in Boston before the end of the month. Please don't "
      "hesitate to call if anything is unclear; our team is happy to help with any questions. ";
  std::string text;
  while (text.size() + prose.size() <= 3000) text += prose;
  text.resize(3000, ' ');
  return text;
}

void BM_SpellOpenMainList(benchmark::State& state) {
  StdSpellFiles files;
  for (auto _ : state) {
    SpellEngine engine(files);
    const std::int16_t session = engine.OpenSession();
    benchmark::DoNotOptimize(engine.OpenLex(session, kMain.c_str(), -1));
    engine.CloseSession(session);
  }
}
BENCHMARK(BM_SpellOpenMainList)->Unit(benchmark::kMillisecond);

// Checks every word of the text, as the editor's check does, with 200 characters to spare.
void CheckWholeText(SpellEngine& engine, std::int16_t session, const std::string& text) {
  std::string buffer = text;
  buffer.resize(text.size() + 1 + 200);
  const std::int16_t block = engine.OpenBlock(session, buffer.data(), static_cast<std::int32_t>(text.size() + 1),
                                              static_cast<std::int32_t>(buffer.size()), 0);
  char word[50];
  char other[50];
  while ((engine.CheckBlock(session, block, 128, word, 50, other, 50) & kCheckEndOfBlock) == 0) {
    engine.NextBlockWord(session, block);
  }
}

// A whole check as a run makes it: open both lists, check every word of the text.
void BM_SpellOpenAndCheck3000(benchmark::State& state) {
  StdSpellFiles files;
  const std::string text = Text3000();
  for (auto _ : state) {
    SpellEngine engine(files);
    const std::int16_t session = engine.OpenSession();
    engine.OpenLex(session, kMain.c_str(), -1);
    engine.OpenLex(session, kChanges.c_str(), -1);
    CheckWholeText(engine, session, text);
    engine.CloseSession(session);
  }
}
BENCHMARK(BM_SpellOpenAndCheck3000)->Unit(benchmark::kMillisecond);

void BM_SpellCheck3000(benchmark::State& state) {
  StdSpellFiles files;
  SpellEngine engine(files);
  const std::int16_t session = engine.OpenSession();
  engine.OpenLex(session, kMain.c_str(), -1);
  engine.OpenLex(session, kChanges.c_str(), -1);
  const std::string text = Text3000();
  for (auto _ : state) {
    CheckWholeText(engine, session, text);
  }
  engine.CloseSession(session);
}
BENCHMARK(BM_SpellCheck3000)->Unit(benchmark::kMillisecond);

void BM_SpellSuggestFirst(benchmark::State& state) {
  StdSpellFiles files;
  for (auto _ : state) {
    state.PauseTiming();
    SpellEngine engine(files);
    const std::int16_t session = engine.OpenSession();
    engine.OpenLex(session, kMain.c_str(), -1);
    state.ResumeTiming();
    char list[500];
    std::int16_t scores[30];
    benchmark::DoNotOptimize(engine.Suggest(session, "acommodation", -1, list, 500, scores, 30));
    state.PauseTiming();
    engine.CloseSession(session);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SpellSuggestFirst)->Unit(benchmark::kMillisecond);

void BM_SpellSuggest(benchmark::State& state) {
  StdSpellFiles files;
  SpellEngine engine(files);
  const std::int16_t session = engine.OpenSession();
  engine.OpenLex(session, kMain.c_str(), -1);
  char list[500];
  std::int16_t scores[30];
  engine.Suggest(session, "x", -1, list, 500, scores, 30);
  const char* words[] = {"acommodation", "teh", "recieve", "definately", "seperate", "wierd", "occured", "untill"};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.Suggest(session, words[i++ % 8], -1, list, 500, scores, 30));
  }
  engine.CloseSession(session);
}
BENCHMARK(BM_SpellSuggest)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wordsnap::spell
