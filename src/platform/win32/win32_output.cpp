#include "platform/win32/win32_output.h"

#include "core/hook/hook_contract.h"
#include "platform/win32/moment_stamps.h"
#include "platform/win32/win32_clipboard.h"

namespace wordsnap {

std::int16_t Win32Output::KeyScan(char c) { return static_cast<std::int16_t>(VkKeyScanA(c)); }

BYTE Win32Output::ScanCodeOf(std::uint8_t vk) {
  const HKL layout = GetKeyboardLayout(0);
  if (layout != scanCodesLayout_) {
    scanCodes_.fill(0);
    scanCodesLayout_ = layout;
  }
  std::uint16_t& known = scanCodes_[vk];
  if (known == 0) known = static_cast<std::uint16_t>((MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) & 0xFF) + 1);
  return static_cast<BYTE>(known - 1);
}

void Win32Output::SendKey(std::uint8_t vk, bool keyUp, bool ours) {
  const BYTE scanCode = ScanCodeOf(vk);
  keybd_event(vk, scanCode, keyUp ? KEYEVENTF_KEYUP : 0, ours ? kInjectedKeyMark : 0);
  if (ours) moments::NoteKeySent();
}

bool Win32Output::IsKeyDown(std::uint8_t vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

std::uint32_t Win32Output::TickCount() { return GetTickCount(); }

void Win32Output::PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave the quit for the message loop to see.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Win32Output::WaitForMessages(std::uint32_t milliseconds) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
}

void Win32Output::SleepFor(std::uint32_t milliseconds) { Sleep(milliseconds); }

bool Win32Output::SetClipboardText(const std::string& text) { return PlaceClipboardText(clipboardOwner_, text); }

LocalDateTime Win32Output::Now() {
  SYSTEMTIME time;
  GetLocalTime(&time);
  return LocalDateTime{{time.wYear, time.wMonth, time.wDay}, time.wHour, time.wMinute, time.wSecond,
                       time.wMilliseconds};
}

}  // namespace wordsnap
