#pragma once
// The entries read by an import, before any of them is written: each is the name,
// the character with code 2 and the replacement text, and is sorted as that
// whole string. The name's length is kept beside it, so a name that itself holds
// the code 2 (a text file may carry any byte) still splits where it ended.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wordsnap {

inline constexpr char kImportSeparator = '\x02';

struct ImportEntry {
  std::string entry;  // name, code 2, replacement text
  std::size_t nameLength = 0;

  std::string_view Name() const { return std::string_view(entry).substr(0, nameLength); }
  std::string_view Text() const { return std::string_view(entry).substr(nameLength + 1); }
};

using ImportList = std::vector<ImportEntry>;

inline void AddImportEntry(ImportList& list, std::string_view name, std::string_view text) {
  ImportEntry item;
  item.entry.reserve(name.size() + 1 + text.size());
  item.entry.append(name).append(1, kImportSeparator).append(text);
  item.nameLength = name.size();
  list.push_back(std::move(item));
}

// The order in which n sorted entries are written: the median first, then the
// medians of each half, and so on, so that the never rebalanced tree stays about
// log2 n deep although the entries arrive sorted. For 7 entries: 3 1 0 2 4 5 6.
std::vector<std::size_t> MedianFirstOrder(std::size_t n);

}  // namespace wordsnap
