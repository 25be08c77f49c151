#pragma once

namespace wordsnap {
// The program's title, as its windows and messages show it.
const char* ProgramTitle();
}  // namespace wordsnap
