#include "core/engine/matcher.h"

namespace wordsnap {
namespace {

bool Fits(const WordsnapNode& node, std::string_view candidate) {
  if (node.CaseRule == kCaseExact) return node.Name() == candidate;
  return CompareOrderingKeys(node.Name(), candidate) == 0;
}

std::optional<Match> MatchOf(const WordsnapNode* node) {
  if (!node) return std::nullopt;
  return Match{node->RecordNo, static_cast<std::int32_t>(node->Name().size())};
}

// With prefix keys: after a failed candidate S, the next one is what follows the
// first occurrence of the prefix (ignoring case) in P + S less its first
// character. As P + S rebuilds the buffer when it begins with the prefix, this
// steps to the text after each later occurrence of the prefix in turn. Nothing
// when the prefix occurs no more.
std::optional<std::string> NextAfterPrefix(std::string_view prefix, std::string_view candidate) {
  const std::string rest = (std::string(prefix) + std::string(candidate)).substr(1);
  // Upper-casing keeps positions, so the slice is taken from the text as typed.
  const std::size_t at = UpperAscii(rest).find(UpperAscii(prefix));
  if (at == std::string::npos) return std::nullopt;
  return rest.substr(at + prefix.size());
}

template <typename Search>
std::optional<Match> FindMatchBy(const Search& search, std::string_view typedBuffer, std::string_view activePrefix,
                                 const Settings& settings) {
  std::string candidate(typedBuffer);
  const std::size_t p = activePrefix.size();
  if (p > 0) {
    if (typedBuffer.find(activePrefix) == std::string_view::npos) return std::nullopt;
    candidate.erase(0, p);
  }

  if (settings.solitaryUsage || settings.useSuffix) return MatchOf(search(candidate));

  const std::size_t passes = candidate.size();
  if (p > 0) {
    for (std::size_t pass = 0; pass < passes; ++pass) {
      if (auto found = MatchOf(search(candidate))) return found;
      auto next = NextAfterPrefix(activePrefix, candidate);
      if (!next) return std::nullopt;  // no new candidate: later passes would repeat this one
      candidate = std::move(*next);
      if (auto found = MatchOf(search(candidate))) return found;
    }
    return std::nullopt;
  }

  for (std::size_t pass = 0; pass < passes; ++pass) {
    if (auto found = MatchOf(search(candidate))) return found;
    candidate.erase(0, 1);
  }
  return std::nullopt;
}

}  // namespace

std::string ActivePrefixFor(const Settings& settings, std::string_view prefixKeys) {
  if (settings.useSuffix) return {};
  return std::string(prefixKeys.substr(0, kMaxActivePrefix));
}

const WordsnapNode* SearchTree(const WordsnapTree& tree, std::string_view candidate) {
  if (candidate.empty()) return nullptr;
  for (const WordsnapNode* node = tree.Root(); node;) {
    if (node->Active != 0 && Fits(*node, candidate)) return node;
    node = CompareOrderingKeys(candidate, node->Name()) > 0 ? tree.Greater(*node) : tree.LesserOrEqual(*node);
  }
  return nullptr;
}

const WordsnapNode* SearchIndex(const WordsnapTree& tree, const WordsnapNameIndex& names, std::string_view candidate) {
  return names.FirstWithKey(tree, candidate,
                            [&](const WordsnapNode& node) { return node.Active != 0 && Fits(node, candidate); });
}

std::optional<Match> FindMatch(const WordsnapTree& tree, std::string_view typedBuffer, std::string_view activePrefix,
                               const Settings& settings) {
  return FindMatchBy([&](std::string_view candidate) { return SearchTree(tree, candidate); }, typedBuffer,
                     activePrefix, settings);
}

std::optional<Match> FindMatch(const WordsnapTree& tree, const WordsnapNameIndex& names, std::string_view typedBuffer,
                               std::string_view activePrefix, const Settings& settings) {
  return FindMatchBy([&](std::string_view candidate) { return SearchIndex(tree, names, candidate); }, typedBuffer,
                     activePrefix, settings);
}

const WordsnapNode* FindHintNode(const WordsnapTree& tree, std::string_view typedBuffer) {
  return SearchTree(tree, typedBuffer);
}

const WordsnapNode* FindHintNode(const WordsnapTree& tree, const WordsnapNameIndex& names,
                                 std::string_view typedBuffer) {
  return SearchIndex(tree, names, typedBuffer);
}

}  // namespace wordsnap
