#include "ScreenDpi.h"

#include <algorithm>
#include <cstdint>

#include "core/dpi/dpi_scale.h"

namespace wordsnap {
namespace {

// Found by name: Windows before 10 (and Wine) may lack them.
using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using GetDpiForSystemCall = UINT(WINAPI*)();
using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustWindowRectExForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

template <typename Call>
Call Find(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

HMODULE User32() { return GetModuleHandleA("user32.dll"); }

// The monitor DPI function lives in shcore.dll, loaded from the system folder only.
GetDpiForMonitorCall DpiForMonitor() {
  static const GetDpiForMonitorCall call = [] {
    HMODULE shcore = LoadLibraryExA("shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return Find<GetDpiForMonitorCall>(shcore, "GetDpiForMonitor");
  }();
  return call;
}

int SystemDpi() {
  if (const auto forSystem = Find<GetDpiForSystemCall>(User32(), "GetDpiForSystem"))
    return UsableDpi(static_cast<int>(forSystem()));
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return UsableDpi(dpi);
}

}  // namespace

int DpiOfWindow(HWND window) {
  const auto forWindow = Find<GetDpiForWindowCall>(User32(), "GetDpiForWindow");
  if (forWindow != nullptr && window != nullptr) {
    const int dpi = static_cast<int>(forWindow(window));
    if (dpi > 0) return UsableDpi(dpi);
  }
  return SystemDpi();
}

RECT RectOf(const ScreenRect& area) {
  const auto edge = [](std::int64_t at) {
    return static_cast<LONG>(std::clamp<std::int64_t>(at, INT32_MIN, INT32_MAX));
  };
  return RECT{area.left, area.top, edge(std::int64_t{area.left} + area.width),
              edge(std::int64_t{area.top} + area.height)};
}

int DpiAtRect(const ScreenRect& area) {
  if (const auto forMonitor = DpiForMonitor()) {
    const RECT rect = RectOf(area);
    UINT x = 0;
    UINT y = 0;
    if (SUCCEEDED(forMonitor(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)) && y > 0)
      return UsableDpi(static_cast<int>(y));
  }
  return SystemDpi();
}

void AdjustFrameForWindow(HWND window, RECT& client) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  const BOOL menu = GetMenu(window) != nullptr && (style & WS_CHILD) == 0;
  const auto forDpi = Find<AdjustWindowRectExForDpiCall>(User32(), "AdjustWindowRectExForDpi");
  if (forDpi == nullptr || !forDpi(&client, style, menu, exStyle, static_cast<UINT>(DpiOfWindow(window))))
    AdjustWindowRectEx(&client, style, menu, exStyle);
}

}  // namespace wordsnap
