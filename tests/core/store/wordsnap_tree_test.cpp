#include "core/store/wordsnap_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/store/wordsnap_store.h"

namespace wordsnap {
namespace {

CurrentRecordBuffer Buffer(std::string name, std::int32_t recordNo, std::string text = "text",
                           std::uint8_t active = 1) {
  CurrentRecordBuffer buffer;
  buffer.Record.Name = std::move(name);
  buffer.Record.ReplacementText = std::move(text);
  buffer.Record.Active = active;
  buffer.Record.ViaClipboard = 0;
  buffer.Record.CaseRule = 3;
  buffer.RecordNo = recordNo;
  return buffer;
}

void Add(WordsnapRoot& root, std::vector<std::string> names) {
  std::int32_t number = 0;
  for (auto& name : names) DoAddIt(root, Buffer(std::move(name), ++number));
}

// The descent the matcher makes: greater keys go to Greater, others to LesserOrEqual.
const WordsnapNode* Descend(const WordsnapNode* node, std::string_view key) {
  while (node) {
    if (CompareOrderingKeys(key, node->Name) == 0) return node;
    node = CompareOrderingKeys(key, node->Name) > 0 ? node->Greater.get() : node->LesserOrEqual.get();
  }
  return nullptr;
}

// The tree's shape as text: name(lesserOrEqual)(greater).
std::string Shape(const WordsnapNode* node) {
  if (!node) return "-";
  if (!node->LesserOrEqual && !node->Greater) return node->Name;
  return node->Name + "(" + Shape(node->LesserOrEqual.get()) + ")(" + Shape(node->Greater.get()) + ")";
}

TEST(WordsnapTreeOrder, KeysCompareUpperCasedAsUnsignedBytes) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  const Case cases[] = {
      {"abc", "ABC", 0},    {"a", "B", -1},          {"ab", "a", 1},  // a key's prefix sorts first
      {"_", "a", 1},        // '_' lies after 'A' once a-z are upper-cased
      {"\xE9", "z", 1},     // bytes above 127 are unsigned and never case-folded
      {"\xE9", "\xC9", 1},  {"", "a", -1},
  };
  for (const auto& c : cases) {
    const int result = CompareOrderingKeys(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
  }
}

TEST(WordsnapTreeInsert, PlacesNodesByKeyWithEqualKeysOnTheLesserOrEqualSide) {
  WordsnapRoot root;
  Add(root, {"b", "a", "c"});
  EXPECT_EQ(Shape(root.get()), "b(a)(c)");

  WordsnapRoot same;
  Add(same, {"abc", "ABC", "Abc"});
  EXPECT_EQ(Shape(same.get()), "abc(ABC(Abc)(-))(-)");
}

TEST(WordsnapTreeInsert, NodeTakesCutNameAndPreviewAndTheBufferFlags) {
  WordsnapRoot root;
  CurrentRecordBuffer buffer = Buffer("abcdefghijkl", 7, std::string(60, 'p'), 0);
  buffer.Record.ViaClipboard = 1;
  buffer.Record.CaseRule = 0x0102;
  DoAddIt(root, buffer);
  ASSERT_TRUE(root);
  EXPECT_EQ(root->Name, "abcdefghij");
  EXPECT_EQ(root->Preview, std::string(50, 'p'));
  EXPECT_EQ(root->RecordNo, 7);
  EXPECT_EQ(root->Active, 0);
  EXPECT_EQ(root->ViaClipboard, 1);
  EXPECT_EQ(root->CaseRule, 2) << "the low byte of the case rule";
}

TEST(WordsnapTreeUpdate, RewritesTheNodeOfThatRecordOnly) {
  WordsnapRoot root;
  Add(root, {"m", "d", "t"});
  CurrentRecordBuffer changed = Buffer("D", 2, "new text", 0);
  changed.Record.ViaClipboard = 1;
  changed.Record.CaseRule = 2;
  ASSERT_TRUE(UpdateNodeByRecordNo(root, 2, changed));
  const WordsnapNode& node = *root->LesserOrEqual;
  EXPECT_EQ(node.Name, "D");
  EXPECT_EQ(node.Preview, "new text");
  EXPECT_EQ(node.Active, 0);
  EXPECT_EQ(node.ViaClipboard, 1);
  EXPECT_EQ(node.CaseRule, 2);
  EXPECT_EQ(root->Preview, "text");
  EXPECT_EQ(root->Greater->Preview, "text");
  EXPECT_FALSE(UpdateNodeByRecordNo(root, 9, changed));
}

TEST(WordsnapTreeUpdate, RenamedNodeIsReachedUnderItsNewName) {
  WordsnapRoot root;
  Add(root, {"m", "d", "t", "a"});
  ASSERT_TRUE(UpdateNodeByRecordNo(root, 2, Buffer("z", 2)));  // d becomes z
  const WordsnapNode* found = Descend(root.get(), "z");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->RecordNo, 2);

  // The tree is the one a fresh load of the changed file would build.
  WordsnapRoot fresh;
  Add(fresh, {"m", "z", "t", "a"});
  EXPECT_EQ(Shape(root.get()), Shape(fresh.get()));
}

TEST(WordsnapTreeFind, ForReplacementMatchesExactCaseAndHandsOverTheFlags) {
  WordsnapRoot root;
  Add(root, {"abc", "Abc"});
  root->LesserOrEqual->Active = 0;
  root->LesserOrEqual->ViaClipboard = 1;
  root->LesserOrEqual->CaseRule = 2;

  CurrentRecordBuffer wanted = Buffer("Abc", 0, std::string(70, 'n'));
  wanted.Record.Active = 1;
  const auto recordNo = FindForReplacement(root.get(), wanted);
  ASSERT_TRUE(recordNo);
  EXPECT_EQ(*recordNo, 2);
  EXPECT_EQ(wanted.Record.Active, 0);
  EXPECT_EQ(wanted.Record.ViaClipboard, 1);
  EXPECT_EQ(wanted.Record.CaseRule, 2);
  EXPECT_EQ(root->LesserOrEqual->Preview, std::string(50, 'n'));
  EXPECT_EQ(root->Preview, "text") << "abc is not Abc";

  CurrentRecordBuffer other = Buffer("ABC", 0);
  EXPECT_FALSE(FindForReplacement(root.get(), other));
}

TEST(WordsnapTreeFind, AmongEqualNamesTheFirstInsertedIsFoundAndTheOthersLieBelowIt) {
  WordsnapRoot root;
  Add(root, {"m", "dup", "a", "dup", "x", "dup"});
  CurrentRecordBuffer wanted = Buffer("dup", 0, "replacement");
  EXPECT_EQ(FindForReplacement(root.get(), wanted), 2);
  int refreshed = 0;
  ForEachNodeInFillOrder(root.get(), [&](WordsnapNode& node) { refreshed += node.Preview == "replacement"; });
  EXPECT_EQ(refreshed, 1);

  EXPECT_EQ(FindForPrompting(root.get(), "dup"), "replacement");
  EXPECT_FALSE(FindForPrompting(root.get(), "DUP"));
}

TEST(WordsnapTreeFind, EqualNamesInSeparateSubtreesReportTheLastInPreOrderAndChangeOnlyIt) {
  // m(dup#2)(x(dup#6)(-)): both matches are visited, neither lies below the other.
  WordsnapRoot root;
  Add(root, {"m", "dup", "x"});
  CurrentRecordBuffer other = Buffer("dup", 6, "other");
  other.Record.Active = 0;
  DoAddIt(root->Greater->LesserOrEqual, other);

  CurrentRecordBuffer wanted = Buffer("dup", 0, "replacement");
  EXPECT_EQ(FindForReplacement(root.get(), wanted), 6);
  EXPECT_EQ(wanted.Record.Active, 0);
  EXPECT_EQ(root->LesserOrEqual->Preview, "text");
  EXPECT_EQ(root->Greater->LesserOrEqual->Preview, "replacement");
  EXPECT_EQ(FindForPrompting(root.get(), "dup"), "replacement");
}

TEST(WordsnapTreeWalk, FillOrderIsPreOrder) {
  WordsnapRoot root;
  Add(root, {"m", "d", "t", "a", "f", "x"});
  std::string order;
  ForEachNodeInFillOrder(root.get(), [&](WordsnapNode& node) { order += node.Name; });
  EXPECT_EQ(order, "mdaftx");
}

TEST(WordsnapTreeWalk, EmptyTreeIsValidForEveryOperation) {
  WordsnapRoot root;
  FreeTheHotKeys(root);
  EXPECT_EQ(root, nullptr);
  int visits = 0;
  ForEachNodeInFillOrder(root.get(), [&](WordsnapNode&) { ++visits; });
  EXPECT_EQ(visits, 0);
  CurrentRecordBuffer buffer = Buffer("a", 1);
  EXPECT_FALSE(FindForReplacement(root.get(), buffer));
  EXPECT_FALSE(FindForPrompting(root.get(), "a"));
  EXPECT_FALSE(UpdateNodeByRecordNo(root, 1, buffer));

  Add(root, {"a", "b"});
  FreeTheHotKeys(root);
  EXPECT_EQ(root, nullptr);
}

TEST(WordsnapTreeChain, SortedNamesMakeAChainThatEveryOperationSurvives) {
  WordsnapRoot root;
  constexpr int kInserted = 1000;
  for (int i = 0; i < kInserted; ++i) {
    char name[12];
    std::snprintf(name, sizeof name, "n%06d", i);
    DoAddIt(root, Buffer(name, i + 1));
  }
  EXPECT_EQ(TreeDepth(root.get()), static_cast<std::size_t>(kInserted));

  // A far longer chain, linked directly: a recursive walk or destructor would
  // overflow the stack here.
  constexpr int kChain = 100000;
  WordsnapNode* tail = root.get();
  while (tail->Greater) tail = tail->Greater.get();
  for (int i = 0; i < kChain; ++i) {
    tail->Greater = std::make_unique<WordsnapNode>();
    tail = tail->Greater.get();
    tail->Name = "z";
    tail->RecordNo = kInserted + 1 + i;
  }
  tail->Name = "end";
  EXPECT_EQ(CountNodes(root.get()), static_cast<std::size_t>(kInserted + kChain));
  EXPECT_EQ(TreeDepth(root.get()), static_cast<std::size_t>(kInserted + kChain));

  CurrentRecordBuffer last = Buffer("end", 0);
  EXPECT_EQ(FindForReplacement(root.get(), last), kInserted + kChain);
  EXPECT_TRUE(UpdateNodeByRecordNo(root, kInserted + kChain, Buffer("end", kInserted + kChain, "changed")));
  EXPECT_EQ(tail->Preview, "changed");

  FreeTheHotKeys(root);
  EXPECT_EQ(root, nullptr);

  auto chain = std::make_unique<WordsnapNode>();
  WordsnapNode* end = chain.get();
  for (int i = 0; i < kChain; ++i) {
    end->LesserOrEqual = std::make_unique<WordsnapNode>();
    end = end->LesserOrEqual.get();
  }
  chain.reset();  // the node's own destructor
}

// Compares two trees node by node without recursion.
bool SameTree(const WordsnapNode* a, const WordsnapNode* b) {
  std::vector<std::pair<const WordsnapNode*, const WordsnapNode*>> pending{{a, b}};
  while (!pending.empty()) {
    auto [x, y] = pending.back();
    pending.pop_back();
    if (!x || !y) {
      if (x != y) return false;
      continue;
    }
    if (x->Name != y->Name || x->RecordNo != y->RecordNo || x->Preview != y->Preview) return false;
    pending.emplace_back(x->LesserOrEqual.get(), y->LesserOrEqual.get());
    pending.emplace_back(x->Greater.get(), y->Greater.get());
  }
  return true;
}

TEST(WordsnapTreeLoader, BuildsTheSameTreeAsInsertingOneByOne) {
  std::mt19937 random(3);
  auto names = [&](int count, int alphabet) {
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i) {
      std::string name;
      for (std::size_t k = 1 + random() % 3; k > 0; --k) name += "aAbBcC_"[random() % static_cast<unsigned>(alphabet)];
      result.push_back(name);
    }
    return result;
  };
  std::vector<std::vector<std::string>> orders = {{}, {"a"}, names(500, 7), names(500, 2)};
  for (int i = 0; i < 3; ++i) {
    auto sorted = names(400, 7);
    std::sort(sorted.begin(), sorted.end(), [](const std::string& x, const std::string& y) {
      return CompareOrderingKeys(x, y) < 0;
    });
    orders.push_back(sorted);
    orders.emplace_back(sorted.rbegin(), sorted.rend());
  }
  for (const auto& order : orders) {
    WordsnapRoot oneByOne;
    WordsnapRoot loaded;
    WordsnapTreeLoader loader(loaded);
    std::int32_t number = 0;
    for (const auto& name : order) {
      ++number;
      const CurrentRecordBuffer buffer = Buffer(name, number, "text " + std::to_string(number));
      DoAddIt(oneByOne, buffer);
      loader.Add(buffer);
    }
    EXPECT_TRUE(SameTree(oneByOne.get(), loaded.get())) << "order of " << order.size();
  }
}

TEST(CounterColumn, WidthFollowsTheRecordCount) {
  const std::pair<std::int32_t, int> table[] = {{0, 12},   {9, 12},    {10, 21},   {99, 21},  {100, 30},
                                                {999, 30}, {1000, 38}, {9999, 38}, {10000, 46}};
  for (const auto& [count, width] : table) {
    WordsnapStore store;
    store.recordCount = count;
    SetCalcHalf1(store);
    EXPECT_EQ(store.counterColumnWidth, width) << count;
  }
}

}  // namespace
}  // namespace wordsnap
