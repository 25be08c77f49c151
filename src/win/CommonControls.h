#pragma once
// The common controls of the program: the toolbar and tooltips, and (with the
// manifest's version 6) the standard controls drawn in the system's visual style.

namespace wordsnap {

// Registers their window classes; cheap to call again.
void InitCommonControlClasses();

}  // namespace wordsnap
