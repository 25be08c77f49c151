#include "platform/win32/win32_target_window.h"

#include <windows.h>

namespace wordsnap {

namespace {

// Whether the process runs elevated. A process whose token we may not even read
// runs with more rights than ours: count it as elevated.
bool ProcessElevated(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return GetLastError() == ERROR_ACCESS_DENIED;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  const bool elevated =
      GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size) && elevation.TokenIsElevated != 0;
  CloseHandle(token);
  return elevated;
}

}  // namespace

TargetWindow ForegroundTargetWindow() {
  TargetWindow target;
  HWND window = GetForegroundWindow();
  if (window == nullptr) return target;
  target.id = reinterpret_cast<std::uintptr_t>(window);
  target.selfElevated = ProcessElevated(GetCurrentProcess());
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == 0 || processId == GetCurrentProcessId()) return target;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (process == nullptr) {
    target.elevated = GetLastError() == ERROR_ACCESS_DENIED;
    return target;
  }
  target.elevated = ProcessElevated(process);
  CloseHandle(process);
  return target;
}

}  // namespace wordsnap
