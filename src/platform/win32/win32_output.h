#pragma once
// The output seam over the real Win32 API: synthesised keys, the keyboard
// layout, the tick count, the message queue, the clipboard and the local time.

#include <windows.h>

#include <array>
#include <cstdint>

#include "core/seam/output_seam.h"

namespace wordsnap {

class Win32Output final : public OutputSeam {
 public:
  // The clipboard is opened on behalf of `clipboardOwner` (the main window).
  explicit Win32Output(HWND clipboardOwner) : clipboardOwner_(clipboardOwner) {}

  std::int16_t KeyScan(char c) override;
  void SendKey(std::uint8_t vk, bool keyUp, bool ours) override;
  bool IsKeyDown(std::uint8_t vk) override;
  std::uint32_t TickCount() override;
  void PumpMessages() override;
  void WaitForMessages(std::uint32_t milliseconds) override;
  void SleepFor(std::uint32_t milliseconds) override;
  bool SetClipboardText(const std::string& text) override;
  LocalDateTime Now() override;

 private:
  // The scan code of a virtual key in this thread's keyboard layout. Asking the
  // system costs tens of microseconds a key under Wine, a noticeable share of a long
  // replay: the answers are kept until the layout changes.
  BYTE ScanCodeOf(std::uint8_t vk);

  HWND clipboardOwner_;
  HKL scanCodesLayout_ = nullptr;
  std::array<std::uint16_t, 256> scanCodes_{};  // the scan code + 1; 0 while not asked
};

}  // namespace wordsnap
