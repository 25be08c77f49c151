#pragma once
#include <optional>

#include "core/hint/hint_mapping.h"

namespace wordsnap {

// Reads the hint the main program left in its mapping; nothing when the mapping
// does not exist or cannot be mapped.
std::optional<HintContent> ReadHintFromMapping();

}  // namespace wordsnap
