#pragma once
// The entries an import read, as (name, text) pairs a test can compare.

#include <string>
#include <utility>
#include <vector>

#include "core/transfer/import_list.h"

namespace wordsnap::transfer_test {

using Pairs = std::vector<std::pair<std::string, std::string>>;

inline Pairs Entries(const ImportList& list) {
  Pairs pairs;
  for (const auto& item : list) pairs.emplace_back(item.Name(), item.Text());
  return pairs;
}

}  // namespace wordsnap::transfer_test
