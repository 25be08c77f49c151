#include "core/transfer/import_list.h"

#include <utility>

namespace wordsnap {

std::vector<std::size_t> MedianFirstOrder(std::size_t n) {
  std::vector<std::size_t> order;
  if (n == 0) return order;
  order.reserve(n);
  std::vector<bool> done(n, false);
  const auto handle = [&](std::size_t i) {
    if (!done[i]) {
      done[i] = true;
      order.push_back(i);
    }
  };
  // Ranges still to process, the next one on top; a range (a, b) handles its
  // median and then processes (a, m) and (m, b), in that order.
  std::vector<std::pair<std::size_t, std::size_t>> ranges{{0, n - 1}};
  while (!ranges.empty()) {
    const auto [a, b] = ranges.back();
    ranges.pop_back();
    const std::size_t m = a + (b - a) / 2;
    if (a < m && m < b) {
      handle(m);
      ranges.emplace_back(m, b);
      ranges.emplace_back(a, m);
    } else {
      handle(a);
      handle(b);
    }
  }
  return order;
}

}  // namespace wordsnap
