#include "platform/win32/win32_target_window.h"

#include <windows.h>

#include <vector>

namespace wordsnap {

namespace {

// The level of the mandatory label in the process's token.
std::optional<std::uint32_t> TokenIntegrity(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
  std::optional<std::uint32_t> level;
  DWORD size = 0;
  GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
  if (size >= sizeof(TOKEN_MANDATORY_LABEL)) {
    std::vector<unsigned char> buffer(size);
    if (GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) {
      PSID label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
      if (label != nullptr && IsValidSid(label)) {
        const UCHAR parts = *GetSidSubAuthorityCount(label);
        if (parts > 0) level = static_cast<std::uint32_t>(*GetSidSubAuthority(label, parts - 1U));
      }
    }
  }
  CloseHandle(token);
  return level;
}

}  // namespace

std::optional<std::uint32_t> ProcessIntegrity(std::uint32_t processId) {
  if (processId == GetCurrentProcessId()) return TokenIntegrity(GetCurrentProcess());
  // Limited query rights are granted on programs of a higher level too; what is
  // refused here is mostly another user's program, whose level stays unknown.
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (process == nullptr) return std::nullopt;
  const std::optional<std::uint32_t> level = TokenIntegrity(process);
  CloseHandle(process);
  return level;
}

TargetWindow ForegroundTargetWindow() {
  TargetWindow target;
  HWND window = GetForegroundWindow();
  if (window == nullptr) return target;
  target.id = reinterpret_cast<std::uintptr_t>(window);
  target.ownIntegrity = TokenIntegrity(GetCurrentProcess());
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != 0) target.integrity = ProcessIntegrity(processId);
  return target;
}

}  // namespace wordsnap
