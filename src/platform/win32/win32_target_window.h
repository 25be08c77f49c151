#pragma once
// The foreground window as an expansion's target: whether its program runs as
// administrator, and whether this program does.

#include "core/engine/elevated_target.h"

namespace wordsnap {

TargetWindow ForegroundTargetWindow();

}  // namespace wordsnap
