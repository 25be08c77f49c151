#pragma once
// The foreground window as an expansion's target: the integrity level of its
// program, and of this program.

#include <cstdint>
#include <optional>

#include "core/engine/elevated_target.h"

namespace wordsnap {

TargetWindow ForegroundTargetWindow();

// The integrity level of a running program; nothing when it cannot be read (the
// program is gone, or its token is closed to us, as another user's is).
std::optional<std::uint32_t> ProcessIntegrity(std::uint32_t processId);

}  // namespace wordsnap
