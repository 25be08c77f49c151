#include "core/spell_check/user_word_lists.h"

#include <gtest/gtest.h>

#include "core/spell_check/dictionary_maintenance.h"
#include "core/spell_check/spell_check_run.h"
#include "spell_check/engine_spelling_host.h"

namespace wordsnap {
namespace {

TEST(UserWordListsTest, AListIsRewrittenToHoldExactlyTheRowsInTheirOrder) {
  EngineSpellingHost host;
  EXPECT_TRUE(ReadUserList(host, "U\\IncEngl.tlx").empty());  // no file yet

  ASSERT_TRUE(WriteUserList(host, "U\\IncEngl.tlx", kValidWordsList, 1033, {"zebra", "Wordsnap", "aardvark"}));
  EXPECT_EQ(ReadUserList(host, "U\\IncEngl.tlx"), (std::vector<std::string>{"zebra", "Wordsnap", "aardvark"}));
  ASSERT_TRUE(WriteUserList(host, "U\\IncEngl.tlx", kValidWordsList, 1033, {"only"}));
  EXPECT_EQ(ReadUserList(host, "U\\IncEngl.tlx"), std::vector<std::string>{"only"});
  ASSERT_TRUE(AddToValidWords(host, "U\\IncEngl.tlx", 1033, "more"));
  EXPECT_EQ(ReadUserList(host, "U\\IncEngl.tlx"), (std::vector<std::string>{"only", "more"}));
  EXPECT_EQ(host.openSessions, 0);
}

TEST(UserWordListsTest, AWordTooLongForTheDialogsIsCutWhenRead) {
  EngineSpellingHost host;
  const std::string longWord(60, 'x');
  ASSERT_TRUE(WriteUserList(host, "U\\ExcEngl.tlx", kInvalidWordsList, 1033, {longWord, "short"}));
  EXPECT_EQ(ReadUserList(host, "U\\ExcEngl.tlx"), (std::vector<std::string>{std::string(49, 'x'), "short"}));
}

TEST(UserWordListsTest, AFailedWriteIsReported) {
  EngineSpellingHost host;
  host.files.readOnly = true;
  EXPECT_FALSE(WriteUserList(host, "U\\IncEngl.tlx", kValidWordsList, 1033, {"word"}));
  EXPECT_FALSE(AddToValidWords(host, "U\\IncEngl.tlx", 1033, "word"));
  EXPECT_EQ(host.openSessions, 0);
}

TEST(DictionaryMaintenanceTest, HeadingsNameTheListAndLanguage) {
  EXPECT_EQ(HeadLabelText(UserListMode::ValidWords, true),
            "These words will be added to the American dictionary and counted as valid.");
  EXPECT_EQ(HeadLabelText(UserListMode::InvalidWords, false),
            "These words will be excluded from the  British dictionary and will be invalid.");
  EXPECT_EQ(SuggestionNoticeText(false),
            "The following word was not found in the British dictionary.  Suggestions are listed below.");
  const SpellingFiles files = SpellingFilesFor(false, "P", "U", UserListNamesFor(false));
  EXPECT_EQ(UserListPath(UserListMode::ValidWords, files), "U\\IncBrit.tlx");
  EXPECT_EQ(UserListPath(UserListMode::InvalidWords, files), "U\\ExcBrit.tlx");
  EXPECT_EQ(files.mainList, "P\\sscebr.tlx");
  EXPECT_EQ(files.secondList, "P\\sscebr1.clx");
}

TEST(DictionaryMaintenanceTest, SelectionAfterDeleteStaysInPlaceOrMovesToTheNewLastRow) {
  struct Case {
    std::size_t removed, rowsLeft;
    std::optional<std::size_t> selected;
  };
  const Case cases[] = {{0, 2, 0}, {1, 2, 1}, {2, 2, 1}, {0, 0, std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(SelectionAfterDelete(c.removed, c.rowsLeft), c.selected) << c.removed;
}

}  // namespace
}  // namespace wordsnap
