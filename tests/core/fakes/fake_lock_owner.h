#pragma once
// A network lock owner that grants or refuses as told and records each step, for
// tests of commands that write the data file.

#include <functional>
#include <string>
#include <vector>

#include "core/sync/network_lock.h"

namespace wordsnap::fakes {

class FakeLockOwner : public NetworkLockOwner {
 public:
  bool TakeLock() override {
    steps.push_back("take lock");
    if (!granted && onRefusal) onRefusal();
    return granted;
  }
  void ReleaseLock(bool changed) override { steps.push_back(changed ? "release changed" : "release unchanged"); }

  bool granted = true;
  std::function<void()> onRefusal;  // what a refusal does first, as the reload after another copy's change
  std::vector<std::string> steps;
};

}  // namespace wordsnap::fakes
