#pragma once
// The in-memory index of the open data file: a binary search tree of small nodes,
// ordered by the name with a-z upper-cased and compared as unsigned bytes. It is
// never rebalanced, so a file whose names are sorted gives a chain as deep as the
// file is long: every walk here is iterative.
//
// A node is one fixed-size block holding its name and preview inline, and it names
// its children by number. The tree keeps its nodes in chunks, so a loaded file of
// thousands of Wordsnaps costs a few large blocks rather than one or more heap
// blocks per Wordsnap, and a node stays where it is for as long as the tree holds it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ascii_case.h"  // names are ordered upper-cased in ASCII
#include "core/store/wordsnap_record.h"

namespace wordsnap {

inline constexpr std::size_t kPreviewLength = 50;

// A node's number in its tree: the order in which the tree took it, from 0.
using WordsnapNodeNo = std::uint32_t;
inline constexpr WordsnapNodeNo kNoNode = 0xFFFFFFFFu;

class WordsnapNode {
 public:
  std::string_view Name() const { return {name_, nameLength_}; }  // at most 10 characters
  // The first 50 characters of the replacement text (which holds no NUL).
  std::string_view Preview() const;

  std::int32_t RecordNo = 0;
  std::uint8_t Active = 0;
  std::uint8_t ViaClipboard = 0;
  std::uint8_t CaseRule = 0;  // low byte of the record's case rule

 private:
  friend class WordsnapTree;

  void SetName(std::string_view name);
  void SetPreview(std::string_view text);

  std::uint8_t nameLength_ = 0;
  char name_[kMaxNameLength] = {};
  char preview_[kPreviewLength] = {};  // NUL-padded
  WordsnapNodeNo greater_ = kNoNode;
  WordsnapNodeNo lesserOrEqual_ = kNoNode;
};

// Every byte of a node is another 10 KB held for a list of 10,000 Wordsnaps.
static_assert(sizeof(WordsnapNode) == 76);

class WordsnapTree {
 public:
  WordsnapTree() = default;
  WordsnapTree(const WordsnapTree&) = delete;
  WordsnapTree& operator=(const WordsnapTree&) = delete;
  // Nodes stay where they are: a moved tree's nodes are the same blocks.
  WordsnapTree(WordsnapTree&& other) noexcept;
  WordsnapTree& operator=(WordsnapTree&& other) noexcept;

  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }

  // Null while the tree is empty.
  const WordsnapNode* Root() const { return Find(root_); }
  WordsnapNode* Root() { return Find(root_); }
  const WordsnapNode* Greater(const WordsnapNode& node) const { return Find(node.greater_); }
  WordsnapNode* Greater(const WordsnapNode& node) { return Find(node.greater_); }
  const WordsnapNode* LesserOrEqual(const WordsnapNode& node) const { return Find(node.lesserOrEqual_); }
  WordsnapNode* LesserOrEqual(const WordsnapNode& node) { return Find(node.lesserOrEqual_); }

  const WordsnapNode& Node(WordsnapNodeNo number) const { return chunks_[number / kChunkNodes][number % kChunkNodes]; }
  WordsnapNode& Node(WordsnapNodeNo number) { return chunks_[number / kChunkNodes][number % kChunkNodes]; }
  WordsnapNodeNo RootNo() const { return root_; }
  WordsnapNodeNo GreaterNo(const WordsnapNode& node) const { return node.greater_; }
  WordsnapNodeNo LesserOrEqualNo(const WordsnapNode& node) const { return node.lesserOrEqual_; }

  // A new node built from the buffer, not yet linked anywhere: name cut to 10,
  // preview to 50 characters, the buffer's record number and flags.
  WordsnapNodeNo NewNode(const CurrentRecordBuffer& buffer);
  // Rewrites the name, preview and flags of a node from the buffer; the node stays
  // where it is.
  static void Refill(WordsnapNode& node, const CurrentRecordBuffer& buffer);
  static void RefillPreview(WordsnapNode& node, std::string_view text);

  // Puts a node without children at a link that is empty: the root's, or a side of
  // a node in the tree.
  void LinkAsRoot(WordsnapNodeNo node) { root_ = node; }
  void LinkAsGreater(WordsnapNode& parent, WordsnapNodeNo node) { parent.greater_ = node; }
  void LinkAsLesserOrEqual(WordsnapNode& parent, WordsnapNodeNo node) { parent.lesserOrEqual_ = node; }
  // Clears every link, leaving each node unlinked: for linking them again.
  void UnlinkAll();

  // Frees every node.
  void Clear();

 private:
  static constexpr std::size_t kChunkNodes = 1024;

  const WordsnapNode* Find(WordsnapNodeNo number) const { return number == kNoNode ? nullptr : &Node(number); }
  WordsnapNode* Find(WordsnapNodeNo number) { return number == kNoNode ? nullptr : &Node(number); }

  // Each chunk is reserved whole when it is made and never grows past that, so
  // nodes never move.
  std::vector<std::vector<WordsnapNode>> chunks_;
  std::size_t size_ = 0;
  WordsnapNodeNo root_ = kNoNode;
};

// The tree's order: negative, zero or positive as a sorts before, with or after b.
int CompareOrderingKeys(std::string_view a, std::string_view b);

// Inserts a node built from the buffer: name cut to 10, preview to 50 characters,
// the buffer's record number and flags. Equal keys go to the LesserOrEqual side.
// Returns the node's number; it is now a leaf.
WordsnapNodeNo DoAddIt(WordsnapTree& tree, const CurrentRecordBuffer& buffer);

// Inserts nodes one after another exactly as DoAddIt would, for loading a whole
// file. Each descent starts at the node inserted last when the new key belongs
// below it, so names in sorted order load in linear time; the tree is the same
// as DoAddIt builds. Nothing else may change the tree while a loader is in use.
class WordsnapTreeLoader {
 public:
  explicit WordsnapTreeLoader(WordsnapTree& tree) : tree_(tree) {}
  void Add(const CurrentRecordBuffer& buffer);
  // Links a node of the tree that is not linked yet and has no children.
  void Link(WordsnapNodeNo node);

 private:
  WordsnapTree& tree_;
  // The node inserted last, and the keys that bound its place: every key that
  // reaches it is greater than `after_` and lesser than or equal to `upTo_`.
  WordsnapNode* last_ = nullptr;
  const WordsnapNode* after_ = nullptr;
  const WordsnapNode* upTo_ = nullptr;
};

// Rewrites the name, preview and flags of the node with this record number from
// the buffer. When the new name sorts elsewhere, the tree is rebuilt in record
// order, so the node is reached under its new name and the tree has the shape a
// fresh load would give. Returns false when no node has the number.
bool UpdateNodeByRecordNo(WordsnapTree& tree, std::int32_t recordNo, const CurrentRecordBuffer& buffer);

// Looks for a node whose name equals the buffer's name exactly (case-sensitive).
// The match reported is the last one in pre-order (node, LesserOrEqual, Greater,
// not below a match); only that node's preview is refreshed from the buffer, and
// its flags are copied into the buffer so that a replacement keeps them. Returns
// the node's record number, or nothing.
std::optional<std::int32_t> FindForReplacement(WordsnapTree& tree, CurrentRecordBuffer& buffer);

// Looks for a node whose name equals `name` exactly; returns its preview (the
// last match in the same order as above), or nothing.
std::optional<std::string> FindForPrompting(const WordsnapTree& tree, std::string_view name);

// Frees every node.
void FreeTheHotKeys(WordsnapTree& tree);

// Visits every node in pre-order (node, LesserOrEqual, Greater).
void ForEachNodeInFillOrder(WordsnapTree& tree, const std::function<void(WordsnapNode&)>& visit);
void ForEachNodeInFillOrder(const WordsnapTree& tree, const std::function<void(const WordsnapNode&)>& visit);

std::size_t CountNodes(const WordsnapTree& tree);
std::size_t TreeDepth(const WordsnapTree& tree);

}  // namespace wordsnap
