#pragma once
// The in-memory index of the open data file: a binary search tree of small nodes,
// ordered by the name with a-z upper-cased and compared as unsigned bytes. It is
// never rebalanced, so a file whose names are sorted gives a chain as deep as the
// file is long: every walk here is iterative, the destructor included.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/ascii_case.h"  // names are ordered upper-cased in ASCII
#include "core/store/wordsnap_record.h"

namespace wordsnap {

inline constexpr std::size_t kPreviewLength = 50;

struct WordsnapNode {
  std::string Name;     // at most 10 characters
  std::string Preview;  // the first 50 characters of the replacement text
  std::int32_t RecordNo = 0;
  std::uint8_t Active = 0;
  std::uint8_t ViaClipboard = 0;
  std::uint8_t CaseRule = 0;  // low byte of the record's case rule
  std::unique_ptr<WordsnapNode> Greater;
  std::unique_ptr<WordsnapNode> LesserOrEqual;

  WordsnapNode() = default;
  WordsnapNode(const WordsnapNode&) = delete;
  WordsnapNode& operator=(const WordsnapNode&) = delete;
  ~WordsnapNode();  // frees the subtrees without recursion
};

using WordsnapRoot = std::unique_ptr<WordsnapNode>;

// The tree's order: negative, zero or positive as a sorts before, with or after b.
int CompareOrderingKeys(std::string_view a, std::string_view b);

// Inserts a node built from the buffer: name cut to 10, preview to 50 characters,
// the buffer's record number and flags. Equal keys go to the LesserOrEqual side.
// Returns the node, now a leaf.
const WordsnapNode& DoAddIt(WordsnapRoot& root, const CurrentRecordBuffer& buffer);

// Inserts nodes one after another exactly as DoAddIt would, for loading a whole
// file. Each descent starts at the node inserted last when the new key belongs
// below it, so names in sorted order load in linear time; the tree is the same
// as DoAddIt builds. Nothing else may change the tree while a loader is in use.
class WordsnapTreeLoader {
 public:
  explicit WordsnapTreeLoader(WordsnapRoot& root) : root_(root) {}
  void Add(const CurrentRecordBuffer& buffer);
  // Links a node that has no children yet.
  void Link(std::unique_ptr<WordsnapNode> node);

 private:
  WordsnapRoot& root_;
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
bool UpdateNodeByRecordNo(WordsnapRoot& root, std::int32_t recordNo, const CurrentRecordBuffer& buffer);

// Looks for a node whose name equals the buffer's name exactly (case-sensitive).
// The match reported is the last one in pre-order (node, LesserOrEqual, Greater,
// not below a match); only that node's preview is refreshed from the buffer, and
// its flags are copied into the buffer so that a replacement keeps them. Returns
// the node's record number, or nothing.
std::optional<std::int32_t> FindForReplacement(WordsnapNode* root, CurrentRecordBuffer& buffer);

// Looks for a node whose name equals `name` exactly; returns its preview (the
// last match in the same order as above), or nothing.
std::optional<std::string> FindForPrompting(const WordsnapNode* root, std::string_view name);

// Frees every node and leaves the root null.
void FreeTheHotKeys(WordsnapRoot& root);

// Visits every node in pre-order (node, LesserOrEqual, Greater), for filling the list.
void ForEachNodeInFillOrder(WordsnapNode* root, const std::function<void(WordsnapNode&)>& visit);

std::size_t CountNodes(const WordsnapNode* root);
std::size_t TreeDepth(const WordsnapNode* root);

}  // namespace wordsnap
