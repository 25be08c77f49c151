#include "core/version.h"

namespace wordsnap {
const char* ProgramTitle() { return "Wordsnaps 2000"; }
}  // namespace wordsnap
