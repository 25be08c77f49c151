#include "core/store/wordsnap_name_index.h"

#include "core/ascii_case.h"

namespace wordsnap {
namespace {

constexpr std::size_t kFirstSlotCount = 64;

}  // namespace

void WordsnapNameIndex::Clear() {
  nodes_.clear();
  slots_.clear();
}

void WordsnapNameIndex::Rebuild(const WordsnapNode* root) {
  Clear();
  // Pre-order meets every node's ancestors before it, so equal keys come in
  // search-path order.
  std::vector<const WordsnapNode*> pending;
  if (root) pending.push_back(root);
  while (!pending.empty()) {
    const WordsnapNode* node = pending.back();
    pending.pop_back();
    Add(*node);
    if (node->Greater) pending.push_back(node->Greater.get());
    if (node->LesserOrEqual) pending.push_back(node->LesserOrEqual.get());
  }
}

void WordsnapNameIndex::Add(const WordsnapNode& node) {
  nodes_.push_back(&node);
  // Kept at most half full, so a probe run stays short.
  if (nodes_.size() * 2 > slots_.size()) {
    Grow();
  } else {
    Place(static_cast<std::uint32_t>(nodes_.size() - 1));
  }
}

std::size_t WordsnapNameIndex::SlotFor(std::string_view key) const {
  // FNV-1a over the key as the tree orders it (a-z upper-cased).
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : key) {
    hash ^= static_cast<unsigned char>(UpperAscii(c));
    hash *= 1099511628211ull;
  }
  return static_cast<std::size_t>(hash ^ (hash >> 32)) & (slots_.size() - 1);
}

void WordsnapNameIndex::Place(std::uint32_t entry) {
  std::size_t slot = SlotFor(nodes_[entry]->Name);
  while (slots_[slot] != kEmpty) slot = (slot + 1) & (slots_.size() - 1);
  slots_[slot] = entry;
}

void WordsnapNameIndex::Grow() {
  std::size_t count = slots_.empty() ? kFirstSlotCount : slots_.size();
  while (nodes_.size() * 2 > count) count *= 2;
  slots_.assign(count, kEmpty);
  // Placing in indexing order keeps equal keys in search-path order.
  for (std::uint32_t entry = 0; entry < nodes_.size(); ++entry) Place(entry);
}

}  // namespace wordsnap
