#include "core/store/wordsnap_tree.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace wordsnap {
namespace {

std::string Cut(std::string_view text, std::size_t maxLength) {
  return std::string(text.substr(0, maxLength));
}

void FillFromBuffer(WordsnapNode& node, const CurrentRecordBuffer& buffer) {
  node.Name = Cut(buffer.Record.Name, kMaxNameLength);
  node.Preview = Cut(StorableText(buffer.Record.ReplacementText), kPreviewLength);
  node.Active = buffer.Record.Active;
  node.ViaClipboard = buffer.Record.ViaClipboard;
  node.CaseRule = static_cast<std::uint8_t>(static_cast<std::uint16_t>(buffer.Record.CaseRule) & 0xFF);
}

std::unique_ptr<WordsnapNode> NodeFromBuffer(const CurrentRecordBuffer& buffer) {
  auto node = std::make_unique<WordsnapNode>();
  FillFromBuffer(*node, buffer);
  node->RecordNo = buffer.RecordNo;
  return node;
}

const WordsnapNode& LinkNode(WordsnapRoot& root, std::unique_ptr<WordsnapNode> node) {
  WordsnapRoot* link = &root;
  while (*link) {
    WordsnapNode& at = **link;
    link = CompareOrderingKeys(node->Name, at.Name) > 0 ? &at.Greater : &at.LesserOrEqual;
  }
  *link = std::move(node);
  return **link;
}

// Pre-order walk (node, LesserOrEqual, Greater). `visit` returns true to descend
// below the node, false to skip its subtrees.
template <typename Node, typename Visit>
void WalkPreOrder(Node* root, Visit&& visit) {
  std::vector<Node*> pending;
  if (root) pending.push_back(root);
  while (!pending.empty()) {
    Node* node = pending.back();
    pending.pop_back();
    if (!visit(*node)) continue;
    if (node->Greater) pending.push_back(node->Greater.get());
    if (node->LesserOrEqual) pending.push_back(node->LesserOrEqual.get());
  }
}

// Takes every node out of the tree, links cleared, in no particular order.
std::vector<std::unique_ptr<WordsnapNode>> DetachAll(WordsnapRoot& root) {
  std::vector<std::unique_ptr<WordsnapNode>> nodes;
  if (root) nodes.push_back(std::move(root));
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i]->LesserOrEqual) nodes.push_back(std::move(nodes[i]->LesserOrEqual));
    if (nodes[i]->Greater) nodes.push_back(std::move(nodes[i]->Greater));
  }
  return nodes;
}

void RebuildInRecordOrder(WordsnapRoot& root) {
  auto nodes = DetachAll(root);
  std::stable_sort(nodes.begin(), nodes.end(),
                   [](const auto& a, const auto& b) { return a->RecordNo < b->RecordNo; });
  WordsnapTreeLoader loader(root);
  for (auto& node : nodes) loader.Link(std::move(node));
}

}  // namespace

WordsnapNode::~WordsnapNode() {
  if (!Greater && !LesserOrEqual) return;
  std::vector<std::unique_ptr<WordsnapNode>> pending;
  if (Greater) pending.push_back(std::move(Greater));
  if (LesserOrEqual) pending.push_back(std::move(LesserOrEqual));
  while (!pending.empty()) {
    std::unique_ptr<WordsnapNode> node = std::move(pending.back());
    pending.pop_back();
    if (node->Greater) pending.push_back(std::move(node->Greater));
    if (node->LesserOrEqual) pending.push_back(std::move(node->LesserOrEqual));
  }  // each node dies here with no children left
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

const WordsnapNode& DoAddIt(WordsnapRoot& root, const CurrentRecordBuffer& buffer) {
  return LinkNode(root, NodeFromBuffer(buffer));
}

void WordsnapTreeLoader::Add(const CurrentRecordBuffer& buffer) { Link(NodeFromBuffer(buffer)); }

void WordsnapTreeLoader::Link(std::unique_ptr<WordsnapNode> node) {
  const std::string& key = node->Name;
  const bool belowLast = last_ && (!after_ || CompareOrderingKeys(key, after_->Name) > 0) &&
                         (!upTo_ || CompareOrderingKeys(key, upTo_->Name) <= 0);
  WordsnapRoot* link = &root_;
  if (belowLast) {
    link = CompareOrderingKeys(key, last_->Name) > 0 ? &last_->Greater : &last_->LesserOrEqual;
    (link == &last_->Greater ? after_ : upTo_) = last_;
  } else {
    after_ = upTo_ = nullptr;
  }
  while (*link) {
    WordsnapNode& at = **link;
    if (CompareOrderingKeys(key, at.Name) > 0) {
      after_ = &at;
      link = &at.Greater;
    } else {
      upTo_ = &at;
      link = &at.LesserOrEqual;
    }
  }
  last_ = node.get();
  *link = std::move(node);
}

bool UpdateNodeByRecordNo(WordsnapRoot& root, std::int32_t recordNo, const CurrentRecordBuffer& buffer) {
  WordsnapNode* found = nullptr;
  WalkPreOrder(root.get(), [&](WordsnapNode& node) {
    if (found) return false;
    if (node.RecordNo != recordNo) return true;
    found = &node;
    return false;
  });
  if (!found) return false;
  const bool keyMoves = CompareOrderingKeys(found->Name, Cut(buffer.Record.Name, kMaxNameLength)) != 0;
  FillFromBuffer(*found, buffer);
  if (keyMoves) RebuildInRecordOrder(root);
  return true;
}

std::optional<std::int32_t> FindForReplacement(WordsnapNode* root, CurrentRecordBuffer& buffer) {
  const std::string name = Cut(buffer.Record.Name, kMaxNameLength);
  WordsnapNode* last = nullptr;
  WalkPreOrder(root, [&](WordsnapNode& node) {
    if (node.Name != name) return true;
    last = &node;
    return false;
  });
  if (!last) return std::nullopt;
  last->Preview = Cut(StorableText(buffer.Record.ReplacementText), kPreviewLength);
  buffer.Record.Active = last->Active;
  buffer.Record.ViaClipboard = last->ViaClipboard;
  buffer.Record.CaseRule = last->CaseRule;
  return last->RecordNo;
}

std::optional<std::string> FindForPrompting(const WordsnapNode* root, std::string_view name) {
  const WordsnapNode* last = nullptr;
  WalkPreOrder(root, [&](const WordsnapNode& node) {
    if (node.Name != name) return true;
    last = &node;
    return false;
  });
  if (!last) return std::nullopt;
  return last->Preview;
}

void FreeTheHotKeys(WordsnapRoot& root) { root.reset(); }

void ForEachNodeInFillOrder(WordsnapNode* root, const std::function<void(WordsnapNode&)>& visit) {
  WalkPreOrder(root, [&](WordsnapNode& node) {
    visit(node);
    return true;
  });
}

std::size_t CountNodes(const WordsnapNode* root) {
  std::size_t count = 0;
  WalkPreOrder(root, [&](const WordsnapNode&) {
    ++count;
    return true;
  });
  return count;
}

std::size_t TreeDepth(const WordsnapNode* root) {
  std::size_t deepest = 0;
  std::vector<std::pair<const WordsnapNode*, std::size_t>> pending;
  if (root) pending.emplace_back(root, 1);
  while (!pending.empty()) {
    auto [node, depth] = pending.back();
    pending.pop_back();
    deepest = std::max(deepest, depth);
    if (node->Greater) pending.emplace_back(node->Greater.get(), depth + 1);
    if (node->LesserOrEqual) pending.emplace_back(node->LesserOrEqual.get(), depth + 1);
  }
  return deepest;
}

}  // namespace wordsnap
