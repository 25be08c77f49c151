#include "core/spell_check/spell_check_run.h"

#include <gtest/gtest.h>

#include "core/spell_check/user_word_lists.h"
#include "spell_check/engine_spelling_host.h"

namespace wordsnap {
namespace {

using Message = std::pair<std::string, std::string>;

class SpellCheckRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* main : {"P\\ssceam.tlx", "P\\sscebr.tlx"})
      host.files.files[main] = spell::SampleMain().Serialise();
    for (const char* second : {"P\\ssceam1.clx", "P\\sscebr1.clx"})
      host.files.files[second] = spell::SampleChanges().Serialise();
  }

  // A check as the editor runs it: the outcome reported at the end.
  SpellCheckResult Check(std::string& text, bool american = true) {
    const SpellCheckResult result = CheckSpelling(host, dialogs, Files(american), text);
    if (const auto report = ReportOf(result)) dialogs.ShowMessage(report->text, report->caption);
    return result;
  }
  static SpellingFiles Files(bool american) {
    return SpellingFilesFor(american, "P", "U", UserListNamesFor(american));
  }
  std::vector<std::string> AskedWords() const {
    std::vector<std::string> words;
    for (const auto& a : dialogs.asked) words.push_back(a.word);
    return words;
  }

  EngineSpellingHost host;
  ScriptedSpellDialogs dialogs;
};

TEST_F(SpellCheckRunTest, AKnownTextOrOneWithOnlyAutomaticChangesNeedsNoDialog) {
  std::string known = "The quick brown fox. Don't <MM/DD/YY{NP007}> 42";
  EXPECT_EQ(Check(known), SpellCheckResult::AllFound);
  EXPECT_EQ(known, "The quick brown fox. Don't <MM/DD/YY{NP007}> 42");

  std::string changed = "Teh fox is a lot, recieve it";
  dialogs.messages.clear();
  EXPECT_EQ(Check(changed), SpellCheckResult::AllFound);
  EXPECT_EQ(changed, "The fox is a lot, receive it");  // a capital kept, no question asked
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(dialogs.messages, (std::vector<Message>{{"Spelling Ok", "All words were found in the dictionary."}}));
  EXPECT_EQ(host.openSessions, 0);
}

TEST_F(SpellCheckRunTest, ReplaceIgnoreAndAbortEachDoWhatTheySay) {
  std::string text = "A quikc hosre, a quikc lott and a wrold";
  dialogs.script = {{WordAction::Replace, "quick"}, {WordAction::Ignore, {}}, {WordAction::Ignore, {}},
                    {WordAction::Abort, {}}};
  EXPECT_EQ(Check(text), SpellCheckResult::Aborted);
  // Ignore leaves the word this time only: the same word later is asked again.
  EXPECT_EQ(AskedWords(), (std::vector<std::string>{"quikc", "hosre", "quikc", "lott"}));
  EXPECT_EQ(dialogs.asked[0].suggestions.front(), "quick");
  EXPECT_EQ(text, "A quick hosre, a quikc lott and a wrold");  // made before the abort, kept
  EXPECT_EQ(dialogs.messages.back(), (Message{"Spelling Status", "Spell checking aborted."}));

  std::string again = "A quikc hosre";
  dialogs.asked.clear();
  dialogs.script = {{WordAction::Replace, "quick"}, {WordAction::Replace, "horse"}};
  EXPECT_EQ(Check(again), SpellCheckResult::Complete);
  EXPECT_EQ(again, "A quick horse");
  EXPECT_EQ(dialogs.messages.back(), (Message{"Spelling Status", "Spell checking complete."}));
  EXPECT_EQ(host.openSessions, 0);
}

TEST_F(SpellCheckRunTest, AddPutsTheWordInTheValidListWhichTheNextCheckReads) {
  std::string text = "foxx it";
  dialogs.script = {{WordAction::Add, {}}};
  EXPECT_EQ(Check(text), SpellCheckResult::Complete);
  ASSERT_TRUE(host.FileExists("U\\IncEngl.tlx"));  // created: there was none
  EXPECT_EQ(ReadUserList(host, "U\\IncEngl.tlx"), std::vector<std::string>{"foxx"});

  dialogs.messages.clear();
  EXPECT_EQ(Check(text), SpellCheckResult::AllFound);
  EXPECT_EQ(host.opened, (std::vector<std::string>{"P\\ssceam.tlx", "P\\ssceam1.clx", "U\\IncEngl.tlx",
                                                   "U\\IncEngl.tlx", "P\\ssceam.tlx", "P\\ssceam1.clx"}));
}

TEST_F(SpellCheckRunTest, BritishOpensItsOwnFilesAndItsListsOnly) {
  ASSERT_TRUE(WriteUserList(host, "U\\ExcBrit.tlx", kInvalidWordsList, 2057, {"fox"}));
  ASSERT_TRUE(WriteUserList(host, "U\\IncEngl.tlx", kValidWordsList, 1033, {"fxo"}));
  host.opened.clear();
  std::string text = "The fox";
  dialogs.script = {{WordAction::Add, {}}};
  EXPECT_EQ(Check(text, false), SpellCheckResult::Complete);  // excluded: counted as unknown
  EXPECT_EQ(AskedWords(), std::vector<std::string>{"fox"});
  EXPECT_EQ(host.opened, (std::vector<std::string>{"U\\ExcBrit.tlx", "P\\sscebr.tlx", "P\\sscebr1.clx"}));
  EXPECT_EQ(ReadUserList(host, "U\\IncBrit.tlx"), std::vector<std::string>{"fox"});
  EXPECT_EQ(ReadUserList(host, "U\\IncEngl.tlx"), std::vector<std::string>{"fxo"});
}

TEST_F(SpellCheckRunTest, AMissingMainListStopsBeforeTouchingTheText) {
  for (const char* missing : {"P\\ssceam.tlx", "P\\ssceam1.clx"}) {
    SCOPED_TRACE(missing);
    SetUp();
    host.files.files.erase(missing);
    dialogs.messages.clear();
    std::string text = "Teh quikc fox";
    EXPECT_EQ(Check(text), SpellCheckResult::NotRun);
    EXPECT_EQ(text, "Teh quikc fox");
    EXPECT_EQ(dialogs.messages, (std::vector<Message>{{"Error", "Could not find one of the dictionary files."}}));
    EXPECT_EQ(host.openSessions, 0);
  }
}

TEST_F(SpellCheckRunTest, ReplacementsGrowTheTextByAtMostTwoHundredCharacters) {
  const std::string longWord(49, 'w');
  std::string text = "quikc quikc quikc quikc quikc";
  for (int i = 0; i < 5; ++i) dialogs.script.push_back({WordAction::Replace, longWord});
  EXPECT_EQ(Check(text), SpellCheckResult::Complete);
  // Four fit (4 x 44 = 176 more); the fifth would pass 200 and is refused, the word left.
  EXPECT_EQ(text, longWord + " " + longWord + " " + longWord + " " + longWord + " quikc");
  EXPECT_EQ(dialogs.messages.front().first, "Notice");
}

TEST_F(SpellCheckRunTest, AWordWithoutSuggestionsIsToldAndPassedOver) {
  std::string text = "zzzzqqqq fox";
  EXPECT_EQ(Check(text), SpellCheckResult::Complete);
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(dialogs.messages.front(),
            (Message{"Notice", "zzzzqqqq was not found in the dictionary.  No suggestions could be found."}));
}

TEST(SuggestionsInTest, ReadsTheListUpToItsEndWithoutOverrunningOrKeepingWhatCannotBePutBack) {
  const std::string fits(49, 'a');
  const std::string tooLong(50, 'b');
  struct Case {
    std::string bytes;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {std::string("the\0then\0\0later\0", 17), {"the", "then"}},
      {std::string("\0", 1), {}},
      {std::string("cut\0shor", 8), {"cut"}},  // no terminator at the end of the buffer
      {fits + '\0' + tooLong + '\0' + "ok" + '\0' + '\0', {fits, "ok"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SuggestionsIn(c.bytes.data(), c.bytes.size()), c.expected);
}

}  // namespace
}  // namespace wordsnap
