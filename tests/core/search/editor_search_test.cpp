// Find, Find Again and Search and Replace in the editor's memo.
#include "core/search/editor_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/search/case_insensitive_find.h"

namespace wordsnap {
namespace {

struct Expect {
  bool found;
  std::size_t start;
  std::size_t length;
};

void ExpectStep(const SearchStep& step, const Expect& want, std::string_view searchText, int index) {
  EXPECT_EQ(step.found, want.found) << "step " << index;
  if (want.found) {
    EXPECT_EQ(step.selectionStart, want.start) << "step " << index;
    EXPECT_EQ(step.selectionLength, want.length) << "step " << index;
    EXPECT_TRUE(step.message.empty());
  } else {
    EXPECT_EQ(step.message, NotFoundMessage(searchText)) << "step " << index;
  }
}

TEST(EditorSearch, FindThenFindAgainWalkTheMemoAndStartOverAfterAMiss) {
  struct Case {
    std::string memo;
    std::string find;
    std::vector<Expect> steps;  // Find, then Find Again for each further step
  };
  const Case cases[] = {
      {"xABy ab", "ab", {{true, 1, 2}, {true, 5, 2}, {false, 0, 0}, {true, 1, 2}}},
      {"aaaa", "aa", {{true, 0, 2}, {true, 2, 2}, {false, 0, 0}, {true, 0, 2}}},
      {"no match here", "xyz", {{false, 0, 0}, {false, 0, 0}}},
  };
  for (const Case& c : cases) {
    EditorSearch search;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      const SearchStep step = i == 0 ? search.Find(c.memo, c.find) : search.FindAgain(c.memo);
      ExpectStep(step, c.steps[i], c.find, static_cast<int>(i));
    }
  }
}

TEST(EditorSearch, MessagesQuoteTheTextAsTyped) {
  EditorSearch search;
  EXPECT_EQ(search.FindAgain("anything").message, "\"\" was not found.") << "Find Again before any Find";
  EXPECT_EQ(search.Find("abc", "XyZ").message, "\"XyZ\" was not found.");
  EXPECT_EQ(search.LastSearchText(), "XyZ");
}

TEST(EditorSearch, ANewFindStartsAtTheTopAndAShortenedMemoIsSafe) {
  EditorSearch search;
  EXPECT_TRUE(search.Find("ab ab", "ab").found);
  EXPECT_EQ(search.SearchOffset(), 2);
  EXPECT_EQ(search.Find("ab ab", "AB").selectionStart, 0u);

  // The memo was cut below the offset: nothing is left to search, then the top again.
  ASSERT_TRUE(search.Find("xxxxab", "ab").found);
  EXPECT_EQ(search.SearchOffset(), 6);
  EXPECT_FALSE(search.FindAgain("ab").found);
  EXPECT_EQ(search.SearchOffset(), 0);
  EXPECT_TRUE(search.FindAgain("ab").found);
}

TEST(EditorSearch, OnlyAsciiLettersIgnoreCase) {
  EditorSearch search;
  EXPECT_FALSE(search.Find("caf\xC9", "caf\xE9").found) << "E acute and e acute differ";
  EXPECT_TRUE(search.Find("CAF\xE9", "caf\xE9").found);
  EXPECT_EQ(ReplaceAll("\xC9t\xE9", "\xE9", "e").text, "\xC9te");
}

TEST(EditorSearch, ALongFindTextInALongMemo) {
  // A pattern that nearly matches everywhere: the worst case for a naive search.
  const std::string find = std::string(254, 'a') + "b";
  std::string memo(6000, 'A');
  EditorSearch search;
  EXPECT_FALSE(search.Find(memo, find).found);
  memo.replace(5000, find.size(), std::string(254, 'A') + "B");
  const SearchStep step = search.Find(memo, find);
  EXPECT_TRUE(step.found);
  EXPECT_EQ(step.selectionStart, 5000u);
  EXPECT_EQ(step.selectionLength, 255u);
  EXPECT_EQ(search.LastSearchText().size(), 255u);
  EXPECT_EQ(search.Find(memo, find + "cut").selectionLength, 255u) << "the search text is cut to 255";
}

TEST(ReplaceAll, ReplacesEveryOccurrenceLeftToRightAndCountsThem) {
  struct Case {
    std::string memo, find, replace, text, message;
  };
  const Case cases[] = {
      {"cat CAT cAt", "cat", "Cat", "Cat Cat Cat", "\"cat\" was replaced 3 times."},
      {"one cat", "CAT", "dog", "one dog", "\"CAT\" was replaced 1 times."},
      // The replacement holds the find text and is not searched again.
      {"aaa", "a", "aa", "aaaaaa", "\"a\" was replaced 3 times."},
      {"aaaa", "aa", "", "", "\"aa\" was replaced 2 times."},
      {"x\r\ny", "\r\n", " ", "x y", "\"\r\n\" was replaced 1 times."},
  };
  for (const Case& c : cases) {
    const ReplaceOutcome outcome = ReplaceAll(c.memo, c.find, c.replace);
    EXPECT_EQ(outcome.text, c.text) << c.memo;
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.caption, "Replaced");
  }
}

TEST(ReplaceAll, NothingFoundLeavesTheMemoAndWarns) {
  const ReplaceOutcome outcome = ReplaceAll("cat", "dog", "x");
  EXPECT_EQ(outcome.count, 0);
  EXPECT_EQ(outcome.message, "\"dog\" was not found.");
  EXPECT_EQ(outcome.caption, "Warning");
}

TEST(SearchDialog, OpensByModeConfirmsOnlyAFindTextAndKeepsBothAsTyped) {
  EXPECT_EQ(SearchDialogLookFor(true).caption, "Find");
  EXPECT_FALSE(SearchDialogLookFor(true).replaceEnabled);
  EXPECT_EQ(SearchDialogLookFor(false).caption, "Search and Replace");
  EXPECT_TRUE(SearchDialogLookFor(false).replaceEnabled);

  EXPECT_FALSE(ConfirmSearchDialog("", "x").confirmed);
  const SearchDialogResult spaced = ConfirmSearchDialog(" ab ", " c ");
  EXPECT_TRUE(spaced.confirmed);
  EXPECT_EQ(spaced.findText, " ab ");
  EXPECT_EQ(spaced.replaceText, " c ");
  const SearchDialogResult cut = ConfirmSearchDialog(std::string(300, 'f'), std::string(300, 'r'));
  EXPECT_EQ(cut.findText.size(), 255u);
  EXPECT_EQ(cut.replaceText.size(), 255u);
}

TEST(CaseInsensitiveFind, SearchesFromAPlaceAndNeverFindsAnEmptyText) {
  EXPECT_EQ(FindIgnoringCase("abAB", "ab", 1, FoldAsciiCase), 2u);
  EXPECT_EQ(FindIgnoringCase("abAB", "ab", 5, FoldAsciiCase), std::string_view::npos);
  EXPECT_EQ(FindIgnoringCase("abc", "", 0, FoldAsciiCase), std::string_view::npos);
  EXPECT_TRUE(FindAllIgnoringCase("abc", "", FoldAsciiCase).empty());
  EXPECT_EQ(FindAllIgnoringCase("aAaAa", "aa", FoldAsciiCase), (std::vector<std::size_t>{0, 2}));
}

}  // namespace
}  // namespace wordsnap
