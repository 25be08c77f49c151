#pragma once

namespace wordsnap {

// The program's title, as its windows and messages show it.
inline constexpr const char* kProgramTitle = "Wordsnaps 2000";

}  // namespace wordsnap
