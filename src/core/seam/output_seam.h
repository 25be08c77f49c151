#pragma once
// The operating-system operations that playing an expansion needs, in our own
// types, so the plan's playing runs natively against a recording fake.

#include <cstdint>
#include <string>

#include "core/engine/calendar.h"
#include "core/seam/key_layout.h"

namespace wordsnap {

class OutputSeam : public KeyLayout {
 public:
  // One key event. `ours` marks it as injected by this program, so the keyboard
  // hook can tell it from the user's typing.
  virtual void SendKey(std::uint8_t vk, bool keyUp, bool ours) = 0;
  // Whether the key is held down right now.
  virtual bool IsKeyDown(std::uint8_t vk) = 0;
  // Milliseconds since the system started; wraps around.
  virtual std::uint32_t TickCount() = 0;
  // Dispatches the messages pending for this thread, then returns.
  virtual void PumpMessages() = 0;
  // Returns when a message arrives or after at most `milliseconds`.
  virtual void WaitForMessages(std::uint32_t milliseconds) = 0;
  // Gives up the processor for about `milliseconds`, without touching messages.
  virtual void SleepFor(std::uint32_t milliseconds) = 0;
  // Replaces the clipboard's contents with plain text; false when it could not.
  virtual bool SetClipboardText(const std::string& text) = 0;
  // The local date and time.
  virtual LocalDateTime Now() = 0;
};

}  // namespace wordsnap
