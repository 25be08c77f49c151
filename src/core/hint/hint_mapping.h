#pragma once
// The hint mapping: the 62 bytes of shared memory in which the main program leaves
// the name and the start of the replacement text for the hint program to show.
//
//   offset 0   1 byte    name length, 0..10
//   offset 1   10 bytes  name
//   offset 11  1 byte    preview length, 0..50
//   offset 12  50 bytes  preview

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace wordsnap {

inline constexpr char kHintMappingName[] = "LXYH1Kyq";
inline constexpr std::size_t kHintMappingSize = 62;
inline constexpr std::size_t kHintNameMax = 10;
inline constexpr std::size_t kHintPreviewMax = 50;

using HintMappingView = std::span<unsigned char, kHintMappingSize>;
using ConstHintMappingView = std::span<const unsigned char, kHintMappingSize>;

struct HintContent {
  std::string name;
  std::string preview;
  bool operator==(const HintContent&) const = default;
};

// Writes the name and preview, each cut to its maximum. The unused bytes of each
// field are zeroed, so nothing of an earlier, longer hint stays behind.
void WriteHintMapping(HintMappingView view, std::string_view name, std::string_view preview);

// Reads the name and preview back. A length byte above its field's maximum (a
// damaged or foreign mapping) is taken as the maximum.
HintContent ReadHintMapping(ConstHintMappingView view);

}  // namespace wordsnap
