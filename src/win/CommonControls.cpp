#include "CommonControls.h"

#include <windows.h>
#include <commctrl.h>

namespace wordsnap {

void InitCommonControlClasses() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_BAR_CLASSES;
  InitCommonControlsEx(&controls);
  // Only version 6 knows the standard classes; an older one refuses the call, and
  // then the system's own standard controls serve.
  controls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
}

}  // namespace wordsnap
