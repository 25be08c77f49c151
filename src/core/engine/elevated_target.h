#pragma once
// Windows drops keys that a program sends to a window running with more rights (as
// administrator) than the sender, without an error. An expansion about to play into
// such a window plays nothing; the first time for each window the user is told why.

#include <cstdint>
#include <set>

namespace wordsnap {

// The window an expansion would play into.
struct TargetWindow {
  std::uint64_t id = 0;       // the window's handle; 0 when there is none
  bool elevated = false;      // its program runs as administrator
  bool selfElevated = false;  // this program does too, so keys reach it
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

class ElevatedTargetRule {
 public:
  TargetAction Decide(const TargetWindow& target);

 private:
  std::set<std::uint64_t> told_;
};

}  // namespace wordsnap
