#include "core/store/wordsnap_name_index.h"

#include "core/ascii_case.h"

namespace wordsnap {
namespace {

constexpr std::size_t kFirstSlotCount = 64;

// Kept at most half full, so a probe run stays short.
bool Fits(std::size_t count, std::size_t slotCount) { return count * 2 <= slotCount; }

}  // namespace

void WordsnapNameIndex::Clear() {
  count_ = 0;
  slots_.clear();
  slots_.shrink_to_fit();
}

void WordsnapNameIndex::Rebuild(const WordsnapTree& tree) { PlaceAll(tree, tree.size()); }

void WordsnapNameIndex::Add(const WordsnapTree& tree, WordsnapNodeNo node) {
  if (!Fits(count_ + 1, slots_.size())) {
    PlaceAll(tree, count_ + 1);
  } else {
    Place(tree, node);
    ++count_;
  }
}

std::size_t WordsnapNameIndex::SlotFor(std::string_view key) const {
  // FNV-1a over the key as the tree orders it (a-z upper-cased).
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : key) {
    hash ^= static_cast<unsigned char>(UpperAscii(c));
    hash *= 1099511628211ull;
  }
  // Mixed so that keys differing in one character spread over the whole table.
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDull;
  hash ^= hash >> 33;
  return static_cast<std::size_t>(hash) & (slots_.size() - 1);
}

void WordsnapNameIndex::Place(const WordsnapTree& tree, WordsnapNodeNo node) {
  std::size_t slot = SlotFor(tree.Node(node).Name());
  while (slots_[slot] != kNoNode) slot = (slot + 1) & (slots_.size() - 1);
  slots_[slot] = node;
}

void WordsnapNameIndex::PlaceAll(const WordsnapTree& tree, std::size_t count) {
  std::size_t slotCount = kFirstSlotCount;
  while (!Fits(count, slotCount)) slotCount *= 2;
  // A table of the size wanted, made afresh so the old one's memory goes back.
  std::vector<WordsnapNodeNo>(slotCount, kNoNode).swap(slots_);
  count_ = 0;
  // Pre-order meets every node's ancestors before it, so equal keys are placed in
  // search-path order.
  std::vector<WordsnapNodeNo> pending;
  if (tree.RootNo() != kNoNode) pending.push_back(tree.RootNo());
  while (!pending.empty()) {
    const WordsnapNodeNo node = pending.back();
    pending.pop_back();
    Place(tree, node);
    ++count_;
    const WordsnapNode& at = tree.Node(node);
    if (tree.GreaterNo(at) != kNoNode) pending.push_back(tree.GreaterNo(at));
    if (tree.LesserOrEqualNo(at) != kNoNode) pending.push_back(tree.LesserOrEqualNo(at));
  }
}

}  // namespace wordsnap
