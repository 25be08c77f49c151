#pragma once
// The matcher: finds the active Wordsnap whose name the typed buffer ends in,
// under the trigger rules in force, by descending the Wordsnap tree.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/settings.h"
#include "core/store/wordsnap_name_index.h"
#include "core/store/wordsnap_tree.h"

namespace wordsnap {

// The active prefix holds at most this many characters.
inline constexpr std::size_t kMaxActivePrefix = 4;

// The prefix the matcher requires: none in suffix mode, else the data file's prefix keys.
std::string ActivePrefixFor(const Settings& settings, std::string_view prefixKeys);

struct Match {
  std::int32_t recordNo = 0;         // of the Wordsnap found
  std::int32_t typedNameLength = 0;  // length of its name

  bool operator==(const Match&) const = default;
};

// The first node on the search path for `candidate` that is active and whose
// name fits under its case rule: exactly for exact case, else ignoring the case
// of a-z. An empty candidate never matches.
const WordsnapNode* SearchTree(const WordsnapTree& tree, std::string_view candidate);
// The same node, found through the index beside the tree: the keystroke path's
// search, in time independent of the tree's shape.
const WordsnapNode* SearchIndex(const WordsnapTree& tree, const WordsnapNameIndex& names, std::string_view candidate);

// The matcher's decision for the typed buffer. With an active prefix, the prefix
// must occur in the buffer; in suffix mode or with solitary usage the whole
// buffer (less the prefix's length) must be the name; otherwise endings of the
// buffer are tried in turn, the longest first.
// The tree is searched as stored, the index through SearchIndex: both decide alike.
std::optional<Match> FindMatch(const WordsnapTree& tree, std::string_view typedBuffer, std::string_view activePrefix,
                               const Settings& settings);
std::optional<Match> FindMatch(const WordsnapTree& tree, const WordsnapNameIndex& names, std::string_view typedBuffer,
                               std::string_view activePrefix, const Settings& settings);

// The hint lookup: the node whose name is the whole typed buffer, or null.
const WordsnapNode* FindHintNode(const WordsnapTree& tree, std::string_view typedBuffer);
const WordsnapNode* FindHintNode(const WordsnapTree& tree, const WordsnapNameIndex& names,
                                 std::string_view typedBuffer);

}  // namespace wordsnap
