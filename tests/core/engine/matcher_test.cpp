#include "core/engine/matcher.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <random>
#include <ostream>
#include <string>
#include <vector>

#include "core/store/wordsnap_store.h"

namespace wordsnap {
namespace {

struct Snap {
  std::string name;
  std::int16_t caseRule = kCaseNone;
  bool active = true;
};

// Inserts the Wordsnaps in order; record numbers count from 1.
WordsnapTree TreeOf(const std::vector<Snap>& snaps) {
  WordsnapTree tree;
  std::int32_t recordNo = 0;
  for (const Snap& snap : snaps) {
    CurrentRecordBuffer buffer;
    buffer.Record.Name = snap.name;
    buffer.Record.CaseRule = snap.caseRule;
    buffer.Record.Active = snap.active ? 1 : 0;
    buffer.Record.ReplacementText = "text of " + snap.name;
    buffer.RecordNo = ++recordNo;
    DoAddIt(tree, buffer);
  }
  return tree;
}

enum class Mode { Prefix, Solitary, Suffix };

struct MatchCase {
  const char* what;
  std::vector<Snap> snaps;
  Mode mode;
  std::string prefixKeys;
  std::string buffer;
  std::optional<std::int32_t> recordNo;  // nothing: no match
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.what; }

class MatcherCases : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatcherCases, FindsTheExpectedWordsnap) {
  const MatchCase& c = GetParam();
  Settings settings;
  settings.useSuffix = c.mode == Mode::Suffix;
  settings.solitaryUsage = c.mode == Mode::Solitary;
  const WordsnapTree tree = TreeOf(c.snaps);

  const auto match = FindMatch(tree, c.buffer, ActivePrefixFor(settings, c.prefixKeys), settings);

  WordsnapNameIndex names;
  names.Rebuild(tree);
  EXPECT_EQ(FindMatch(tree, names, c.buffer, ActivePrefixFor(settings, c.prefixKeys), settings), match) << c.what;
  ASSERT_EQ(match.has_value(), c.recordNo.has_value()) << c.what;
  if (match) {
    EXPECT_EQ(match->recordNo, *c.recordNo) << c.what;
    EXPECT_EQ(match->typedNameLength, static_cast<std::int32_t>(c.snaps[*c.recordNo - 1].name.size())) << c.what;
  }
}

const Snap kInactive{"ab", kCaseNone, false};

INSTANTIATE_TEST_SUITE_P(
    Matcher, MatcherCases,
    ::testing::Values(
        MatchCase{"no prefix keys: the longest ending wins", {{"b"}, {"ab"}}, Mode::Prefix, "", "ab", 2},
        MatchCase{"no prefix keys: a shorter ending when the longer is no name", {{"b"}}, Mode::Prefix, "", "zab", 1},
        MatchCase{"an inactive Wordsnap never matches", {kInactive}, Mode::Prefix, "", "ab", std::nullopt},
        MatchCase{"an inactive one does not hide an active one of the same name",
                  {kInactive, {"ab"}}, Mode::Suffix, "", "ab", 2},
        MatchCase{"case rule 3 ignores case", {{"ab"}}, Mode::Suffix, "", "AB", 1},
        MatchCase{"case rule 1 ignores case too", {{"ab", kCaseFirstCharacter}}, Mode::Suffix, "", "Ab", 1},
        MatchCase{"exact case first on the path wins for its spelling",
                  {{"Ab", kCaseExact}, {"ab"}}, Mode::Suffix, "", "Ab", 1},
        MatchCase{"exact case does not hide another spelling below it",
                  {{"Ab", kCaseExact}, {"ab"}}, Mode::Suffix, "", "ab", 2},
        MatchCase{"exact case alone refuses another spelling", {{"Ab", kCaseExact}}, Mode::Suffix, "", "ab",
                  std::nullopt},
        MatchCase{"prefix keys typed before the name", {{"xy"}}, Mode::Prefix, ";;", ";;xy", 1},
        MatchCase{"prefix keys after other text: candidates step to the text after the prefix",
                  {{"xy"}}, Mode::Prefix, ";;", "zz;;xy", 1},
        MatchCase{"prefix keys not typed: no match", {{"xy"}}, Mode::Prefix, ";;", "xy", std::nullopt},
        MatchCase{"prefix keys: only text after an occurrence is tried, not every ending",
                  {{"xy"}}, Mode::Prefix, ";;", ";;abxy", std::nullopt},
        MatchCase{"prefix keys: the text after a later occurrence", {{"xy"}}, Mode::Prefix, ";;", "a;;b;;xy", 1},
        MatchCase{"prefix keys: later occurrences are found ignoring case", {{"xy"}}, Mode::Prefix, "q", "qaQxy",
                  1},
        MatchCase{"solitary usage: the whole buffer must be the name", {{"ab"}}, Mode::Solitary, "", "zab",
                  std::nullopt},
        MatchCase{"solitary usage: the whole buffer", {{"ab"}}, Mode::Solitary, "", "ab", 1},
        MatchCase{"solitary usage after prefix keys", {{"ab"}}, Mode::Solitary, ";;", ";;ab", 1},
        MatchCase{"suffix mode: no endings are tried", {{"ab"}}, Mode::Suffix, "", "xab", std::nullopt},
        MatchCase{"suffix mode ignores the prefix keys", {{"ab"}}, Mode::Suffix, ";;", "ab", 1},
        MatchCase{"an empty word never matches, even an empty name", {{""}}, Mode::Suffix, "", "",
                  std::nullopt}),
    [](const ::testing::TestParamInfo<MatchCase>& info) {
      // The description in CamelCase, for readable test names.
      std::string name;
      bool wordStart = true;
      for (const char c : std::string(info.param.what)) {
        const bool alnum = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (alnum) name += wordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        wordStart = !alnum;
      }
      return name;
    });

TEST(Matcher, ActivePrefixIsThePrefixKeysInPrefixModeOnly) {
  Settings settings;
  settings.useSuffix = false;
  EXPECT_EQ(ActivePrefixFor(settings, ";;"), ";;");
  settings.useSuffix = true;
  EXPECT_EQ(ActivePrefixFor(settings, ";;"), "");
}

TEST(HintLookup, TheWholeBufferMustBeAnActiveNameUnderItsCaseRule) {
  const WordsnapTree tree = TreeOf({{"sig"}, {"Reg", kCaseExact}, {"off", kCaseNone, false}});
  const WordsnapNode* sig = FindHintNode(tree, "SIG");
  ASSERT_NE(sig, nullptr);
  EXPECT_EQ(sig->Name(), "sig");
  EXPECT_EQ(sig->Preview(), "text of sig");
  EXPECT_EQ(FindHintNode(tree, "si"), nullptr);
  EXPECT_EQ(FindHintNode(tree, "xsig"), nullptr);
  EXPECT_NE(FindHintNode(tree, "Reg"), nullptr);
  EXPECT_EQ(FindHintNode(tree, "reg"), nullptr);
  EXPECT_EQ(FindHintNode(tree, "off"), nullptr);
  EXPECT_EQ(FindHintNode(tree, ""), nullptr);
}

// The index beside the tree must find exactly the Wordsnap the tree's own search
// finds: random trees of equal, case-differing, inactive and exact-case names, kept
// in step through adds, name changes and flag changes, against random typing in
// every mode.
TEST(MatcherIndex, FindsExactlyWhatTheTreeSearchFinds) {
  std::mt19937 random(19);
  const std::vector<std::string> names = {"a", "A", "ab", "aB", "AB", "b", "ba", "abc", "ABC", "zz",
                                          ";a", "a;", "1", "abcdefghij", "ABCDEFGHIJ"};
  const std::string letters = "aAbBcCz;1 ";
  const auto pick = [&](const auto& from) { return from[random() % from.size()]; };
  const auto snapBuffer = [&](std::int32_t recordNo) {
    CurrentRecordBuffer buffer;
    buffer.Record.Name = pick(names);
    buffer.Record.CaseRule = static_cast<std::int16_t>(random() % 4);
    buffer.Record.Active = random() % 4 == 0 ? 0 : 1;
    buffer.RecordNo = recordNo;
    return buffer;
  };
  for (int round = 0; round < 300; ++round) {
    WordsnapStore store;
    const int count = static_cast<int>(random() % 40);
    for (std::int32_t recordNo = 1; recordNo <= count; ++recordNo) AddWordsnapNode(store, snapBuffer(recordNo));
    if (count > 0 && random() % 2 == 0) {  // an edit, the name maybe sorting elsewhere
      const auto recordNo = static_cast<std::int32_t>(random() % count + 1);
      UpdateNodeByRecordNo(store.tree, recordNo, snapBuffer(recordNo));
      store.names.Rebuild(store.tree);
    }
    ForEachNodeInFillOrder(store.tree, [&](WordsnapNode& node) {
      if (random() % 5 == 0) node.Active = node.Active ? 0 : 1;  // activate and deactivate
    });

    for (int typing = 0; typing < 60; ++typing) {
      std::string buffer;
      for (int i = static_cast<int>(random() % 14); i > 0; --i) buffer += pick(letters);
      if (random() % 2 == 0) buffer += pick(names);
      ASSERT_EQ(FindHintNode(store.tree, store.names, buffer), FindHintNode(store.tree, buffer)) << buffer;
      for (int mode = 0; mode < 4; ++mode) {
        Settings settings;
        settings.useSuffix = mode == 0;
        settings.solitaryUsage = mode == 1;
        const std::string prefix = ActivePrefixFor(settings, mode == 3 ? "" : ";");
        ASSERT_EQ(FindMatch(store.tree, store.names, buffer, prefix, settings),
                  FindMatch(store.tree, buffer, prefix, settings))
            << "mode " << mode << ", typed \"" << buffer << "\"";
      }
    }
  }
}

}  // namespace
}  // namespace wordsnap
