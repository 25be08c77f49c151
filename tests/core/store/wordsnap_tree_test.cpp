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

void Add(WordsnapTree& tree, std::vector<std::string> names) {
  std::int32_t number = 0;
  for (auto& name : names) DoAddIt(tree, Buffer(std::move(name), ++number));
}

// The descent the matcher makes: greater keys go to Greater, others to LesserOrEqual.
const WordsnapNode* Descend(const WordsnapTree& tree, std::string_view key) {
  const WordsnapNode* node = tree.Root();
  while (node) {
    if (CompareOrderingKeys(key, node->Name()) == 0) return node;
    node = CompareOrderingKeys(key, node->Name()) > 0 ? tree.Greater(*node) : tree.LesserOrEqual(*node);
  }
  return nullptr;
}

// The subtree's shape as text: name(lesserOrEqual)(greater).
std::string Shape(const WordsnapTree& tree, const WordsnapNode* node) {
  if (!node) return "-";
  const std::string name(node->Name());
  if (!tree.LesserOrEqual(*node) && !tree.Greater(*node)) return name;
  return name + "(" + Shape(tree, tree.LesserOrEqual(*node)) + ")(" + Shape(tree, tree.Greater(*node)) + ")";
}

std::string Shape(const WordsnapTree& tree) { return Shape(tree, tree.Root()); }

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
  WordsnapTree tree;
  Add(tree, {"b", "a", "c"});
  EXPECT_EQ(Shape(tree), "b(a)(c)");

  WordsnapTree same;
  Add(same, {"abc", "ABC", "Abc"});
  EXPECT_EQ(Shape(same), "abc(ABC(Abc)(-))(-)");
}

TEST(WordsnapTreeInsert, NodeTakesCutNameAndPreviewAndTheBufferFlags) {
  WordsnapTree tree;
  CurrentRecordBuffer buffer = Buffer("abcdefghijkl", 7, std::string(60, 'p'), 0);
  buffer.Record.ViaClipboard = 1;
  buffer.Record.CaseRule = 0x0102;
  DoAddIt(tree, buffer);
  const WordsnapNode* root = tree.Root();
  ASSERT_TRUE(root);
  EXPECT_EQ(root->Name(), "abcdefghij");
  EXPECT_EQ(root->Preview(), std::string(50, 'p'));
  EXPECT_EQ(root->RecordNo, 7);
  EXPECT_EQ(root->Active, 0);
  EXPECT_EQ(root->ViaClipboard, 1);
  EXPECT_EQ(root->CaseRule, 2) << "the low byte of the case rule";
}

TEST(WordsnapTreeUpdate, RewritesTheNodeOfThatRecordOnly) {
  WordsnapTree tree;
  Add(tree, {"m", "d", "t"});
  CurrentRecordBuffer changed = Buffer("D", 2, "new text", 0);
  changed.Record.ViaClipboard = 1;
  changed.Record.CaseRule = 2;
  ASSERT_TRUE(UpdateNodeByRecordNo(tree, 2, changed));
  const WordsnapNode& root = *tree.Root();
  const WordsnapNode& node = *tree.LesserOrEqual(root);
  EXPECT_EQ(node.Name(), "D");
  EXPECT_EQ(node.Preview(), "new text");
  EXPECT_EQ(node.Active, 0);
  EXPECT_EQ(node.ViaClipboard, 1);
  EXPECT_EQ(node.CaseRule, 2);
  EXPECT_EQ(root.Preview(), "text");
  EXPECT_EQ(tree.Greater(root)->Preview(), "text");
  EXPECT_FALSE(UpdateNodeByRecordNo(tree, 9, changed));
}

TEST(WordsnapTreeUpdate, RenamedNodeIsReachedUnderItsNewName) {
  WordsnapTree tree;
  Add(tree, {"m", "d", "t", "a"});
  ASSERT_TRUE(UpdateNodeByRecordNo(tree, 2, Buffer("z", 2)));  // d becomes z
  const WordsnapNode* found = Descend(tree, "z");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->RecordNo, 2);

  // The tree is the one a fresh load of the changed file would build.
  WordsnapTree fresh;
  Add(fresh, {"m", "z", "t", "a"});
  EXPECT_EQ(Shape(tree), Shape(fresh));
}

TEST(WordsnapTreeFind, ForReplacementMatchesExactCaseAndHandsOverTheFlags) {
  WordsnapTree tree;
  Add(tree, {"abc", "Abc"});
  WordsnapNode& root = *tree.Root();
  WordsnapNode& second = *tree.LesserOrEqual(root);
  second.Active = 0;
  second.ViaClipboard = 1;
  second.CaseRule = 2;

  CurrentRecordBuffer wanted = Buffer("Abc", 0, std::string(70, 'n'));
  wanted.Record.Active = 1;
  const auto recordNo = FindForReplacement(tree, wanted);
  ASSERT_TRUE(recordNo);
  EXPECT_EQ(*recordNo, 2);
  EXPECT_EQ(wanted.Record.Active, 0);
  EXPECT_EQ(wanted.Record.ViaClipboard, 1);
  EXPECT_EQ(wanted.Record.CaseRule, 2);
  EXPECT_EQ(second.Preview(), std::string(50, 'n'));
  EXPECT_EQ(root.Preview(), "text") << "abc is not Abc";

  CurrentRecordBuffer other = Buffer("ABC", 0);
  EXPECT_FALSE(FindForReplacement(tree, other));
}

TEST(WordsnapTreeFind, AmongEqualNamesTheFirstInsertedIsFoundAndTheOthersLieBelowIt) {
  WordsnapTree tree;
  Add(tree, {"m", "dup", "a", "dup", "x", "dup"});
  CurrentRecordBuffer wanted = Buffer("dup", 0, "replacement");
  EXPECT_EQ(FindForReplacement(tree, wanted), 2);
  int refreshed = 0;
  ForEachNodeInFillOrder(tree, [&](WordsnapNode& node) { refreshed += node.Preview() == "replacement"; });
  EXPECT_EQ(refreshed, 1);

  EXPECT_EQ(FindForPrompting(tree, "dup"), "replacement");
  EXPECT_FALSE(FindForPrompting(tree, "DUP"));
}

TEST(WordsnapTreeFind, EqualNamesInSeparateSubtreesReportTheLastInPreOrderAndChangeOnlyIt) {
  // m(dup#2)(x(dup#6)(-)): both matches are visited, neither lies below the other.
  WordsnapTree tree;
  Add(tree, {"m", "dup", "x"});
  CurrentRecordBuffer other = Buffer("dup", 6, "other");
  other.Record.Active = 0;
  WordsnapNode& root = *tree.Root();
  WordsnapNode& x = *tree.Greater(root);
  tree.LinkAsLesserOrEqual(x, tree.NewNode(other));

  CurrentRecordBuffer wanted = Buffer("dup", 0, "replacement");
  EXPECT_EQ(FindForReplacement(tree, wanted), 6);
  EXPECT_EQ(wanted.Record.Active, 0);
  EXPECT_EQ(tree.LesserOrEqual(root)->Preview(), "text");
  EXPECT_EQ(tree.LesserOrEqual(x)->Preview(), "replacement");
  EXPECT_EQ(FindForPrompting(tree, "dup"), "replacement");
}

TEST(WordsnapTreeWalk, FillOrderIsPreOrder) {
  WordsnapTree tree;
  Add(tree, {"m", "d", "t", "a", "f", "x"});
  std::string order;
  ForEachNodeInFillOrder(tree, [&](WordsnapNode& node) { order += node.Name(); });
  EXPECT_EQ(order, "mdaftx");
}

TEST(WordsnapTreeWalk, EmptyTreeIsValidForEveryOperation) {
  WordsnapTree tree;
  FreeTheHotKeys(tree);
  EXPECT_EQ(tree.Root(), nullptr);
  int visits = 0;
  ForEachNodeInFillOrder(tree, [&](WordsnapNode&) { ++visits; });
  EXPECT_EQ(visits, 0);
  CurrentRecordBuffer buffer = Buffer("a", 1);
  EXPECT_FALSE(FindForReplacement(tree, buffer));
  EXPECT_FALSE(FindForPrompting(tree, "a"));
  EXPECT_FALSE(UpdateNodeByRecordNo(tree, 1, buffer));

  Add(tree, {"a", "b"});
  FreeTheHotKeys(tree);
  EXPECT_EQ(tree.Root(), nullptr);
  EXPECT_EQ(tree.size(), 0u);
}

TEST(WordsnapTreeChain, SortedNamesMakeAChainThatEveryOperationSurvives) {
  WordsnapTree tree;
  constexpr int kInserted = 1000;
  for (int i = 0; i < kInserted; ++i) {
    char name[12];
    std::snprintf(name, sizeof name, "n%06d", i);
    DoAddIt(tree, Buffer(name, i + 1));
  }
  EXPECT_EQ(TreeDepth(tree), static_cast<std::size_t>(kInserted));

  // A far longer chain, linked directly: a recursive walk would overflow the
  // stack here.
  constexpr int kChain = 100000;
  WordsnapNode* tail = tree.Root();
  while (tree.Greater(*tail)) tail = tree.Greater(*tail);
  for (int i = 0; i < kChain; ++i) {
    const std::int32_t recordNo = kInserted + 1 + i;
    const WordsnapNodeNo next = tree.NewNode(Buffer(i + 1 == kChain ? "end" : "z", recordNo));
    tree.LinkAsGreater(*tail, next);
    tail = &tree.Node(next);
  }
  EXPECT_EQ(CountNodes(tree), static_cast<std::size_t>(kInserted + kChain));
  EXPECT_EQ(TreeDepth(tree), static_cast<std::size_t>(kInserted + kChain));

  CurrentRecordBuffer last = Buffer("end", 0);
  EXPECT_EQ(FindForReplacement(tree, last), kInserted + kChain);
  EXPECT_TRUE(UpdateNodeByRecordNo(tree, kInserted + kChain, Buffer("end", kInserted + kChain, "changed")));
  EXPECT_EQ(tail->Preview(), "changed");

  FreeTheHotKeys(tree);
  EXPECT_EQ(tree.Root(), nullptr);
}

// Compares two trees node by node without recursion.
bool SameTree(const WordsnapTree& first, const WordsnapTree& second) {
  std::vector<std::pair<const WordsnapNode*, const WordsnapNode*>> pending{{first.Root(), second.Root()}};
  while (!pending.empty()) {
    auto [x, y] = pending.back();
    pending.pop_back();
    if (!x || !y) {
      if (x != y) return false;
      continue;
    }
    if (x->Name() != y->Name() || x->RecordNo != y->RecordNo || x->Preview() != y->Preview()) return false;
    pending.emplace_back(first.LesserOrEqual(*x), second.LesserOrEqual(*y));
    pending.emplace_back(first.Greater(*x), second.Greater(*y));
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
    WordsnapTree oneByOne;
    WordsnapTree loaded;
    WordsnapTreeLoader loader(loaded);
    std::int32_t number = 0;
    for (const auto& name : order) {
      ++number;
      const CurrentRecordBuffer buffer = Buffer(name, number, "text " + std::to_string(number));
      DoAddIt(oneByOne, buffer);
      loader.Add(buffer);
    }
    EXPECT_TRUE(SameTree(oneByOne, loaded)) << "order of " << order.size();
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
