#include "core/list/list_finder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/store/wordsnap_tree.h"

namespace wordsnap {
namespace {

std::string Ascii(std::string_view text) { return UpperAscii(text); }

// Rows in list order, each with its replacement text; counts the reads.
struct Rows {
  explicit Rows(std::vector<std::string> rowTexts, int failing = -1) : texts(std::move(rowTexts)), failingRow(failing) {}

  std::vector<std::string> texts;
  int failingRow;
  std::vector<int> read;

  ListFinder::RowText Reader() {
    return [this](int row) -> std::optional<std::string> {
      read.push_back(row);
      if (row == failingRow) return std::nullopt;
      return texts.at(static_cast<std::size_t>(row));
    };
  }
  int Count() const { return static_cast<int>(texts.size()); }
};

TEST(ListFinder, FindsEachHitInListOrderThenReportsTheEndAndStartsAgain) {
  Rows rows({"Regards", "xyz", "Kind REGARDS", "regardless"});
  ListFinder finder(Ascii);
  finder.SetSearchText("regard");

  std::vector<int> hits;
  for (int i = 0; i < 3; ++i) hits.push_back(finder.Next(rows.Count(), rows.Reader()).row);
  EXPECT_EQ(hits, (std::vector<int>{0, 2, 3}));

  EXPECT_EQ(finder.Next(rows.Count(), rows.Reader()).outcome, FindOutcome::EndReached);
  EXPECT_EQ(finder.LastHit(), -1);
  EXPECT_EQ(finder.Next(rows.Count(), rows.Reader()).row, 0);  // from the top again
}

TEST(ListFinder, SearchesReplacementTextsOnlyAndInsideWords) {
  // The name of a row is never given to the finder: only its replacement text.
  Rows rows({"no match here", "fABCd"});
  ListFinder finder(Ascii);
  finder.SetSearchText("abc");
  const FindStep step = finder.Next(rows.Count(), rows.Reader());
  EXPECT_EQ(step.outcome, FindOutcome::Found);
  EXPECT_EQ(step.row, 1);
}

TEST(ListFinder, AnEmptyListEndsAtOnce) {
  Rows rows({});
  ListFinder finder(Ascii);
  finder.SetSearchText("x");
  EXPECT_EQ(finder.Next(0, rows.Reader()).outcome, FindOutcome::EndReached);
  EXPECT_TRUE(rows.read.empty());
}

TEST(ListFinder, ANewSearchTextStartsAtTheTop) {
  Rows rows({"ab", "ab"});
  ListFinder finder(Ascii);
  finder.SetSearchText("a");
  EXPECT_EQ(finder.Next(rows.Count(), rows.Reader()).row, 0);
  finder.SetSearchText("b");
  EXPECT_EQ(finder.Next(rows.Count(), rows.Reader()).row, 0);
}

TEST(ListFinder, AnUnreadableRowStopsTheSearchAndKeepsTheLastHit) {
  Rows rows({"hit", "other", "hit"}, 1);
  ListFinder finder(Ascii);
  finder.SetSearchText("hit");
  EXPECT_EQ(finder.Next(rows.Count(), rows.Reader()).row, 0);
  const FindStep failed = finder.Next(rows.Count(), rows.Reader());
  EXPECT_EQ(failed.outcome, FindOutcome::ReadFailed);
  EXPECT_EQ(finder.LastHit(), 0);
  EXPECT_EQ(rows.read, (std::vector<int>{0, 1}));
}

TEST(ListFinder, FoldsSearchTextAndRowTextsAlike) {
  // A fold that knows accented letters treats both sides the same way, so a
  // lower-case accented search text finds its upper-case form.
  auto latin = [](std::string_view text) {
    std::string folded = UpperAscii(text);
    for (char& c : folded)
      if (static_cast<unsigned char>(c) == 0xE9) c = static_cast<char>(0xC9);
    return folded;
  };
  Rows rows({"Caf\xC9"});
  ListFinder finder(latin);
  finder.SetSearchText("caf\xE9");
  EXPECT_EQ(finder.Next(rows.Count(), rows.Reader()).outcome, FindOutcome::Found);
}

TEST(ListFinder, HintAndAvailabilityFollowTheSearchText) {
  ListFinder finder(Ascii);
  EXPECT_FALSE(finder.CanFindNext());
  EXPECT_EQ(finder.FindNextHint(), "Find Next");
  finder.SetSearchText("abc");
  EXPECT_TRUE(finder.CanFindNext());
  EXPECT_EQ(finder.FindNextHint(), "Find Next \"abc\"");
  finder.SetSearchText(std::string(300, 'x'));
  EXPECT_EQ(finder.SearchText().size(), kMaxListSearchText);
}

}  // namespace
}  // namespace wordsnap
