#pragma once
// Beside the Wordsnap tree: its nodes by their ordering key, so that the search a
// typed key makes costs the same whatever shape the tree has (a file written in
// name order makes the tree a chain as long as the file).
//
// Every node whose key equals a searched key lies on that key's search path, the
// ones inserted earlier nearer the root. The index keeps them in that order, so the
// first fitting node it gives is the one the tree's search meets first. It holds
// the numbers of the tree's nodes, so every call names the tree: whoever changes
// the tree's shape or a node's name tells it (Add for a node just linked, Rebuild
// otherwise); flags may change freely.

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/store/wordsnap_tree.h"

namespace wordsnap {

class WordsnapNameIndex {
 public:
  // Forgets every node: for a tree that was freed.
  void Clear();
  // Indexes the whole tree again.
  void Rebuild(const WordsnapTree& tree);
  // Indexes a node just linked into the tree as a leaf.
  void Add(const WordsnapTree& tree, WordsnapNodeNo node);

  // Calls fits(node) for each node whose ordering key equals `key`'s, nearest the
  // root first, until it returns true; returns that node, or null.
  template <typename Fits>
  const WordsnapNode* FirstWithKey(const WordsnapTree& tree, std::string_view key, Fits&& fits) const {
    if (count_ == 0 || key.empty() || key.size() > kMaxNameLength) return nullptr;
    for (std::size_t slot = SlotFor(key);; slot = (slot + 1) & (slots_.size() - 1)) {
      const WordsnapNodeNo entry = slots_[slot];
      if (entry == kNoNode) return nullptr;
      const WordsnapNode& node = tree.Node(entry);
      if (node.Name().size() == key.size() && CompareOrderingKeys(node.Name(), key) == 0 && fits(node)) return &node;
    }
  }

  std::size_t size() const { return count_; }

 private:
  std::size_t SlotFor(std::string_view key) const;
  void Place(const WordsnapTree& tree, WordsnapNodeNo node);
  // Makes room for `count` nodes and places every node of the tree again.
  void PlaceAll(const WordsnapTree& tree, std::size_t count);

  std::size_t count_ = 0;
  // Open addressing with linear probing over node numbers. Equal keys sit along
  // one probe run in the order they were placed (ancestors first); nothing is
  // ever removed singly, so that order holds.
  std::vector<WordsnapNodeNo> slots_;
};

}  // namespace wordsnap
