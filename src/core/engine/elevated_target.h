#pragma once
// Windows drops keys that a program sends to a window of a program at a higher
// integrity level than its own (one running as administrator, or as the system),
// without an error. An expansion about to play into such a window plays nothing;
// the first time for each window the user is told why. Only a level known to be
// higher refuses: a window of another user at our own level takes our keys, and
// so does one whose level cannot be read.

#include <cstdint>
#include <optional>
#include <set>

namespace wordsnap {

// Integrity levels as the system numbers them (the relative id of the
// mandatory label); higher takes no input from lower.
inline constexpr std::uint32_t kIntegrityLow = 0x1000;
inline constexpr std::uint32_t kIntegrityMedium = 0x2000;
inline constexpr std::uint32_t kIntegrityHigh = 0x3000;
inline constexpr std::uint32_t kIntegritySystem = 0x4000;

// The window an expansion would play into.
struct TargetWindow {
  std::uint64_t id = 0;                       // the window's handle; 0 when there is none
  std::optional<std::uint32_t> integrity;     // its program's level; nothing when it cannot be read
  std::optional<std::uint32_t> ownIntegrity;  // this program's level; nothing when it cannot be read
};

enum class TargetAction {
  Play,
  SkipAndTell,  // play nothing; tell the user why
  Skip,         // play nothing; the user was told for this window already
};

// The name the hint shows above a notice of the expansion engine, and its line
// for a window that refuses our keys.
inline constexpr const char* kNoticeHintName = "Wordsnaps";
inline constexpr const char* kElevatedHintText = "Not typed: that window runs as administrator";

// Whether the system keeps our keys from the window: its level is known and above ours.
bool TargetRefusesOurKeys(const TargetWindow& target);

class ElevatedTargetRule {
 public:
  TargetAction Decide(const TargetWindow& target);

 private:
  std::set<std::uint64_t> told_;
};

}  // namespace wordsnap
