#include "ScreenAreas.h"

#include <windows.h>

namespace wordsnap {

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoA(monitor, &info)) {
    const RECT& r = info.rcWork;
    reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back(
        {r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  return TRUE;
}

}  // namespace

std::vector<ScreenRect> MonitorWorkAreas() {
  std::vector<ScreenRect> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

}  // namespace wordsnap
