#pragma once

namespace wordsnap {

// The program's title, as its windows and messages show it.
inline constexpr const char* kProgramTitle = "Wordsnaps 2000";
// The user manual, in the program directory.
inline constexpr const char* kManualFileName = "WORDSNAP.DOC";
// The version as the About box shows it.
inline constexpr const char* kVersionText = "Version 1.7";

}  // namespace wordsnap
