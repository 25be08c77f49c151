// The keystroke path with 10,000 Wordsnaps: what the keystroke monitor and the matcher
// cost per typed character, in a tree loaded from a file in random order (bushy) and in
// sorted order (a chain 10,000 deep, as the tree is never rebalanced).
//
// - Typing prose that names no Wordsnap, per character: in suffix mode (the matcher runs
//   at each space or punctuation), in suffix mode with the hint lookup after every name
//   character, and in prefix mode without prefix keys (the matcher tries every ending of
//   the typed buffer after every name character).
// - Typing a Wordsnap's name and the key that triggers it, per Wordsnap: the path up to the
//   point where the engine would play it. Nothing is played: the host reports that the
//   record could not be read, which ends the expansion before any key is built or sent.
// - Building what an expansion sends, for a 7- and a 1000-character replacement, without
//   sending it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/engine/expansion_engine.h"
#include "core/engine/output_plan.h"

namespace wordsnap {
namespace {

constexpr int kWordsnaps = 10000;

// Plain prose: letters, spaces, commas and full stops, and no digit, so it never names
// one of the Wordsnaps below, each of which holds a digit.
constexpr char kProse[] =
    "Thank you for your letter of last week. We have checked the order, and the missing parts "
    "left our store this morning. They should reach you within two working days, packed in a "
    "separate box. If anything is still missing, please write back and we will see to it at "
    "once. We are sorry for the trouble and hope the rest of the delivery was in good order. ";

// An output seam that plays nothing: keys are counted, waits return at once.
class SilentSeam final : public OutputSeam {
 public:
  std::int16_t KeyScan(char c) override {
    if (c >= 'a' && c <= 'z') return static_cast<std::int16_t>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<std::int16_t>(0x100 | c);
    return static_cast<std::int16_t>(static_cast<unsigned char>(c));
  }
  void SendKey(std::uint8_t, bool, bool) override { ++keysSent; }
  bool IsKeyDown(std::uint8_t) override { return false; }
  std::uint32_t TickCount() override { return 0; }
  void PumpMessages() override {}
  void WaitForMessages(std::uint32_t) override {}
  void SleepFor(std::uint32_t) override {}
  bool SetClipboardText(const std::string&) override { return true; }
  LocalDateTime Now() override { return LocalDateTime{{2001, 3, 5}, 15, 4, 23, 0}; }

  std::int64_t keysSent = 0;
};

// A host that does nothing, and whose records cannot be read: a found Wordsnap ends there.
class UnplayingHost final : public EngineHost {
 public:
  void PostHintHide() override {}
  void ShowHint(const WordsnapNode&) override { ++hintsShown; }
  void SetHookInUse(bool) override {}
  void StartClearTimer() override {}
  void StopClearTimer() override {}
  bool ReloadIfSharedFileChanged() override { return false; }
  bool LoadAHotKey(std::int32_t) override {
    ++found;
    return false;
  }

  std::int64_t found = 0;
  std::int64_t hintsShown = 0;
};

// 10,000 different names of 3 to 8 characters, each with at least one digit.
std::vector<std::string> MakeNames() {
  std::mt19937 random(2024);
  const std::string letters = "abcdefghijklmnopqrstuvwxyz";
  const std::string digits = "0123456789";
  std::set<std::string> seen;
  std::vector<std::string> names;
  while (names.size() < static_cast<std::size_t>(kWordsnaps)) {
    std::string name;
    const std::size_t length = 3 + random() % 6;
    for (std::size_t i = 0; i < length; ++i) {
      name += random() % 3 == 0 ? digits[random() % digits.size()] : letters[random() % letters.size()];
    }
    name[random() % length] = digits[random() % digits.size()];
    if (seen.insert(name).second) names.push_back(name);
  }
  return names;
}

const std::vector<std::string>& Names() {
  static const std::vector<std::string> names = MakeNames();
  return names;
}

enum class Shape { RandomOrder, SortedOrder };

// The names in the order a data file would hold them.
std::vector<std::string> FileOrder(Shape shape) {
  std::vector<std::string> names = Names();
  if (shape == Shape::SortedOrder) {
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareOrderingKeys(a, b) < 0; });
  } else {
    std::shuffle(names.begin(), names.end(), std::mt19937(7));
  }
  return names;
}

enum class Mode { Suffix, SuffixWithHint, Prefix };

Settings SettingsFor(Mode mode) {
  Settings settings;
  settings.useSuffix = mode != Mode::Prefix;
  settings.doHint = mode == Mode::SuffixWithHint;
  settings.usePunctuation = true;
  settings.solitaryUsage = false;
  return settings;
}

// The program's state with 10,000 Wordsnaps loaded, as loading a data file builds it.
struct LoadedEngine {
  LoadedEngine(Shape shape, Mode mode) {
    app.settings = SettingsFor(mode);
    WordsnapTreeLoader loader(app.store.tree);
    std::int32_t recordNo = 0;
    for (const std::string& name : FileOrder(shape)) {
      CurrentRecordBuffer buffer;
      buffer.Record.Name = name;
      buffer.Record.Active = 1;
      buffer.Record.CaseRule = kCaseNone;
      buffer.Record.ReplacementText = "The replacement of " + name;
      buffer.RecordNo = ++recordNo;
      loader.Add(buffer);
    }
    app.store.names.Rebuild(app.store.tree);
    app.store.recordCount = recordNo;
    engine.SetPref();
  }

  void Type(char c) { engine.OnKeystroke(0, static_cast<unsigned char>(c)); }
  // What the hook library reports when the caret may have moved: the word starts afresh.
  void Reset() { engine.OnKeystroke(kKeystrokeReset, 0); }

  AppState app;
  SilentSeam seam;
  UnplayingHost host;
  ExpansionEngine engine{app, seam, host};
};

void TypingProse(benchmark::State& state, Shape shape, Mode mode) {
  LoadedEngine loaded(shape, mode);
  const std::string prose = kProse;
  for (auto _ : state) {
    for (char c : prose) loaded.Type(c);
  }
  if (loaded.host.found != 0) state.SkipWithError("the prose named a Wordsnap");
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(prose.size()));
  state.counters["per_char"] = benchmark::Counter(static_cast<double>(prose.size()),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
  state.counters["tree_depth"] = static_cast<double>(TreeDepth(loaded.app.store.tree));
}

// Whether typing the name plays a Wordsnap only at its last character. In prefix mode an
// ending of the first few characters may name another Wordsnap already.
bool FoundOnlyAtTheEnd(const LoadedEngine& loaded, const std::string& name) {
  const WordsnapTree& tree = loaded.app.store.tree;
  const Settings& settings = loaded.app.settings;
  for (std::size_t length = 1; length < name.size(); ++length) {
    if (!settings.useSuffix && FindMatch(tree, name.substr(0, length), "", settings)) return false;
  }
  return FindMatch(tree, name, "", settings).has_value();
}

// Types Wordsnap names, picked at random over the whole file, each followed by a space in
// suffix mode; each must be found.
void TypingNames(benchmark::State& state, Shape shape, Mode mode) {
  LoadedEngine loaded(shape, mode);
  std::vector<std::string> picked;
  std::mt19937 random(99);
  while (picked.size() < 512) {
    const std::string& name = Names()[random() % Names().size()];
    if (FoundOnlyAtTheEnd(loaded, name)) picked.push_back(name);
  }
  const bool suffix = mode != Mode::Prefix;
  std::size_t next = 0;
  std::int64_t keys = 0;
  for (auto _ : state) {
    const std::string& name = picked[next++ % picked.size()];
    loaded.Reset();
    for (char c : name) loaded.Type(c);
    if (suffix) loaded.Type(' ');
    keys += static_cast<std::int64_t>(name.size()) + (suffix ? 2 : 1);
  }
  if (loaded.host.found != static_cast<std::int64_t>(state.iterations())) {
    state.SkipWithError("not every name typed was found");
  }
  state.SetItemsProcessed(keys);
  state.counters["per_char"] =
      benchmark::Counter(static_cast<double>(keys), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The worst case of the chain: the name found at its far end, 10,000 nodes down.
void TypingDeepestName(benchmark::State& state) {
  LoadedEngine loaded(Shape::SortedOrder, Mode::Suffix);
  const std::string name = FileOrder(Shape::SortedOrder).back();
  for (auto _ : state) {
    for (char c : name) loaded.Type(c);
    loaded.Type(' ');
  }
  if (loaded.host.found != static_cast<std::int64_t>(state.iterations())) {
    state.SkipWithError("the deepest name was not found");
  }
}

// A replacement text of `length` characters made of `fill` repeated: prose, or
// nothing but short time codes (the most codes a text can hold).
void BuildingThePlan(benchmark::State& state, std::size_t length, bool viaClipboard, const char* fill) {
  SilentSeam seam;
  Settings settings = SettingsFor(Mode::Suffix);
  settings.clipSetting = kClipIndividual;
  WordsnapRecord record;
  record.Name = "zq7";
  record.Active = 1;
  record.CaseRule = kCaseNone;
  record.ViaClipboard = viaClipboard ? 1 : 0;
  const std::string pattern = fill;
  while (record.ReplacementText.size() < length) record.ReplacementText += pattern;
  record.ReplacementText.resize(length);
  const std::string typed = "zq7";
  const OutputContext context{typed, 3, ' ', false, "", seam.Now()};
  for (auto _ : state) {
    OutputPlan plan = BuildOutputPlan(record, context, settings, seam);
    benchmark::DoNotOptimize(plan.data());
  }
}

BENCHMARK_CAPTURE(TypingProse, random_order_suffix, Shape::RandomOrder, Mode::Suffix);
BENCHMARK_CAPTURE(TypingProse, sorted_chain_suffix, Shape::SortedOrder, Mode::Suffix);
BENCHMARK_CAPTURE(TypingProse, random_order_suffix_hint, Shape::RandomOrder, Mode::SuffixWithHint);
BENCHMARK_CAPTURE(TypingProse, sorted_chain_suffix_hint, Shape::SortedOrder, Mode::SuffixWithHint);
BENCHMARK_CAPTURE(TypingProse, random_order_prefix, Shape::RandomOrder, Mode::Prefix);
BENCHMARK_CAPTURE(TypingProse, sorted_chain_prefix, Shape::SortedOrder, Mode::Prefix)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypingNames, random_order_suffix, Shape::RandomOrder, Mode::Suffix);
BENCHMARK_CAPTURE(TypingNames, sorted_chain_suffix, Shape::SortedOrder, Mode::Suffix);
BENCHMARK_CAPTURE(TypingNames, random_order_prefix, Shape::RandomOrder, Mode::Prefix);
BENCHMARK_CAPTURE(TypingNames, sorted_chain_prefix, Shape::SortedOrder, Mode::Prefix);
BENCHMARK(TypingDeepestName);
BENCHMARK_CAPTURE(BuildingThePlan, keyboard_7, 7, false, kProse);
BENCHMARK_CAPTURE(BuildingThePlan, keyboard_1000, 1000, false, kProse);
BENCHMARK_CAPTURE(BuildingThePlan, clipboard_7, 7, true, kProse);
BENCHMARK_CAPTURE(BuildingThePlan, clipboard_1000, 1000, true, kProse);
BENCHMARK_CAPTURE(BuildingThePlan, keyboard_3000_time_codes, 2996, false, "<hh{N}>")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BuildingThePlan, clipboard_3000_time_codes, 2996, true, "<hh{N}>")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wordsnap
