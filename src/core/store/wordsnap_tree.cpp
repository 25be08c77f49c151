#include "core/store/wordsnap_tree.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace wordsnap {
namespace {

// Pre-order walk (node, LesserOrEqual, Greater) over node numbers. `visit` returns
// true to descend below the node, false to skip its subtrees.
template <typename Tree, typename Visit>
void WalkPreOrder(Tree& tree, Visit&& visit) {
  std::vector<WordsnapNodeNo> pending;
  if (tree.RootNo() != kNoNode) pending.push_back(tree.RootNo());
  while (!pending.empty()) {
    const WordsnapNodeNo number = pending.back();
    pending.pop_back();
    auto& node = tree.Node(number);
    if (!visit(node, number)) continue;
    if (tree.GreaterNo(node) != kNoNode) pending.push_back(tree.GreaterNo(node));
    if (tree.LesserOrEqualNo(node) != kNoNode) pending.push_back(tree.LesserOrEqualNo(node));
  }
}

// Links an unlinked node where the descent from `at` by its key ends: greater keys
// go to Greater, others to LesserOrEqual. passed(node, greater) hears of each node
// on the way. A null `at` stands for the root of an empty tree.
template <typename Passed>
void LinkBelow(WordsnapTree& tree, WordsnapNode* at, WordsnapNodeNo number, Passed&& passed) {
  if (!at) {
    tree.LinkAsRoot(number);
    return;
  }
  const std::string_view key = tree.Node(number).Name();
  for (;;) {
    const bool greater = CompareOrderingKeys(key, at->Name()) > 0;
    passed(*at, greater);
    WordsnapNode* next = greater ? tree.Greater(*at) : tree.LesserOrEqual(*at);
    if (next) {
      at = next;
    } else if (greater) {
      return tree.LinkAsGreater(*at, number);
    } else {
      return tree.LinkAsLesserOrEqual(*at, number);
    }
  }
}

void RebuildInRecordOrder(WordsnapTree& tree) {
  std::vector<WordsnapNodeNo> nodes(tree.size());
  for (WordsnapNodeNo number = 0; number < nodes.size(); ++number) nodes[number] = number;
  std::stable_sort(nodes.begin(), nodes.end(), [&](WordsnapNodeNo a, WordsnapNodeNo b) {
    return tree.Node(a).RecordNo < tree.Node(b).RecordNo;
  });
  tree.UnlinkAll();
  WordsnapTreeLoader loader(tree);
  for (WordsnapNodeNo number : nodes) loader.Link(number);
}

}  // namespace

std::string_view WordsnapNode::Preview() const {
  const void* nul = std::memchr(preview_, '\0', kPreviewLength);
  const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - preview_) : kPreviewLength;
  return {preview_, length};
}

void WordsnapNode::SetName(std::string_view name) {
  name = name.substr(0, kMaxNameLength);
  std::memcpy(name_, name.data(), name.size());
  nameLength_ = static_cast<std::uint8_t>(name.size());
}

void WordsnapNode::SetPreview(std::string_view text) {
  text = StorableText(text).substr(0, kPreviewLength);
  std::memcpy(preview_, text.data(), text.size());
  std::memset(preview_ + text.size(), 0, kPreviewLength - text.size());
}

WordsnapTree::WordsnapTree(WordsnapTree&& other) noexcept
    : chunks_(std::move(other.chunks_)),
      size_(std::exchange(other.size_, 0)),
      root_(std::exchange(other.root_, kNoNode)) {}

WordsnapTree& WordsnapTree::operator=(WordsnapTree&& other) noexcept {
  chunks_ = std::move(other.chunks_);
  size_ = std::exchange(other.size_, 0);
  root_ = std::exchange(other.root_, kNoNode);
  return *this;
}

WordsnapNodeNo WordsnapTree::NewNode(const CurrentRecordBuffer& buffer) {
  if (size_ == chunks_.size() * kChunkNodes) {
    chunks_.emplace_back();
    chunks_.back().reserve(kChunkNodes);
  }
  WordsnapNode& node = chunks_.back().emplace_back();
  Refill(node, buffer);
  node.RecordNo = buffer.RecordNo;
  return static_cast<WordsnapNodeNo>(size_++);
}

void WordsnapTree::Refill(WordsnapNode& node, const CurrentRecordBuffer& buffer) {
  node.SetName(buffer.Record.Name);
  node.SetPreview(buffer.Record.ReplacementText);
  node.Active = buffer.Record.Active;
  node.ViaClipboard = buffer.Record.ViaClipboard;
  node.CaseRule = static_cast<std::uint8_t>(static_cast<std::uint16_t>(buffer.Record.CaseRule) & 0xFF);
}

void WordsnapTree::RefillPreview(WordsnapNode& node, std::string_view text) { node.SetPreview(text); }

void WordsnapTree::UnlinkAll() {
  root_ = kNoNode;
  for (auto& chunk : chunks_)
    for (auto& node : chunk) node.greater_ = node.lesserOrEqual_ = kNoNode;
}

void WordsnapTree::Clear() {
  chunks_.clear();
  chunks_.shrink_to_fit();
  size_ = 0;
  root_ = kNoNode;
}

int CompareOrderingKeys(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(UpperAscii(a[i]));
    const auto y = static_cast<unsigned char>(UpperAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

WordsnapNodeNo DoAddIt(WordsnapTree& tree, const CurrentRecordBuffer& buffer) {
  const WordsnapNodeNo number = tree.NewNode(buffer);
  LinkBelow(tree, tree.Root(), number, [](const WordsnapNode&, bool) {});
  return number;
}

void WordsnapTreeLoader::Add(const CurrentRecordBuffer& buffer) { Link(tree_.NewNode(buffer)); }

void WordsnapTreeLoader::Link(WordsnapNodeNo number) {
  WordsnapNode& node = tree_.Node(number);
  const std::string_view key = node.Name();
  const bool belowLast = last_ && (!after_ || CompareOrderingKeys(key, after_->Name()) > 0) &&
                         (!upTo_ || CompareOrderingKeys(key, upTo_->Name()) <= 0);
  if (!belowLast) after_ = upTo_ = nullptr;
  LinkBelow(tree_, belowLast ? last_ : tree_.Root(), number,
            [this](const WordsnapNode& passed, bool greater) { (greater ? after_ : upTo_) = &passed; });
  last_ = &node;
}

bool UpdateNodeByRecordNo(WordsnapTree& tree, std::int32_t recordNo, const CurrentRecordBuffer& buffer) {
  WordsnapNode* found = nullptr;
  WalkPreOrder(tree, [&](WordsnapNode& node, WordsnapNodeNo) {
    if (found) return false;
    if (node.RecordNo != recordNo) return true;
    found = &node;
    return false;
  });
  if (!found) return false;
  const std::string_view newName = std::string_view(buffer.Record.Name).substr(0, kMaxNameLength);
  const bool keyMoves = CompareOrderingKeys(found->Name(), newName) != 0;
  WordsnapTree::Refill(*found, buffer);
  if (keyMoves) RebuildInRecordOrder(tree);
  return true;
}

std::optional<std::int32_t> FindForReplacement(WordsnapTree& tree, CurrentRecordBuffer& buffer) {
  const std::string_view name = std::string_view(buffer.Record.Name).substr(0, kMaxNameLength);
  WordsnapNode* last = nullptr;
  WalkPreOrder(tree, [&](WordsnapNode& node, WordsnapNodeNo) {
    if (node.Name() != name) return true;
    last = &node;
    return false;
  });
  if (!last) return std::nullopt;
  WordsnapTree::RefillPreview(*last, buffer.Record.ReplacementText);
  buffer.Record.Active = last->Active;
  buffer.Record.ViaClipboard = last->ViaClipboard;
  buffer.Record.CaseRule = last->CaseRule;
  return last->RecordNo;
}

std::optional<std::string> FindForPrompting(const WordsnapTree& tree, std::string_view name) {
  const WordsnapNode* last = nullptr;
  WalkPreOrder(tree, [&](const WordsnapNode& node, WordsnapNodeNo) {
    if (node.Name() != name) return true;
    last = &node;
    return false;
  });
  if (!last) return std::nullopt;
  return std::string(last->Preview());
}

void FreeTheHotKeys(WordsnapTree& tree) { tree.Clear(); }

void ForEachNodeInFillOrder(WordsnapTree& tree, const std::function<void(WordsnapNode&)>& visit) {
  WalkPreOrder(tree, [&](WordsnapNode& node, WordsnapNodeNo) {
    visit(node);
    return true;
  });
}

void ForEachNodeInFillOrder(const WordsnapTree& tree, const std::function<void(const WordsnapNode&)>& visit) {
  WalkPreOrder(tree, [&](const WordsnapNode& node, WordsnapNodeNo) {
    visit(node);
    return true;
  });
}

std::size_t CountNodes(const WordsnapTree& tree) {
  std::size_t count = 0;
  WalkPreOrder(tree, [&](const WordsnapNode&, WordsnapNodeNo) {
    ++count;
    return true;
  });
  return count;
}

std::size_t TreeDepth(const WordsnapTree& tree) {
  std::size_t deepest = 0;
  std::vector<std::pair<WordsnapNodeNo, std::size_t>> pending;
  if (tree.RootNo() != kNoNode) pending.emplace_back(tree.RootNo(), 1);
  while (!pending.empty()) {
    auto [number, depth] = pending.back();
    pending.pop_back();
    deepest = std::max(deepest, depth);
    const WordsnapNode& node = tree.Node(number);
    if (tree.GreaterNo(node) != kNoNode) pending.emplace_back(tree.GreaterNo(node), depth + 1);
    if (tree.LesserOrEqualNo(node) != kNoNode) pending.emplace_back(tree.LesserOrEqualNo(node), depth + 1);
  }
  return deepest;
}

}  // namespace wordsnap
