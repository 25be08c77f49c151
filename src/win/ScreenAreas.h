#pragma once
// The work areas of the monitors attached now, for keeping windows in sight.

#include <vector>

#include "core/startup/window_on_screen.h"

namespace wordsnap {

std::vector<ScreenRect> MonitorWorkAreas();

}  // namespace wordsnap
