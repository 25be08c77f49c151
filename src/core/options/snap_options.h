#pragma once
// The "Wordsnap Options" choices without their window: how the controls open
// for the editor's working record, which of them may be used, and what OK
// writes back into the record (the editor then sets its menu checks from it).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/editor/editor_update.h"
#include "core/store/wordsnap_record.h"

namespace wordsnap {

inline constexpr std::size_t kKeyDelayBoxMaxLength = 4;

enum class SendRadio { Keyboard, Clipboard };

// What the dialog's controls hold. The case radios are the editor's case items.
struct SnapOptionsControls {
  CaseItem caseRadio = CaseItem::None;
  SendRadio sendRadio = SendRadio::Keyboard;
  std::string secondsText;  // the key delay box
};

// The controls as the dialog opens: a case rule other than 1 or 2 shows as None,
// the delay in plain decimal, the clipboard radio only for a send method of 1.
SnapOptionsControls SnapOptionsAtShow(const WordsnapRecord& working);

struct SnapOptionsEnabling {
  bool delay = true;         // the delay box and its label: keystrokes only
  bool methodRadios = true;  // both radios: only while each Wordsnap chooses its own method
};

SnapOptionsEnabling SnapOptionsEnablingFor(SendRadio sendRadio, std::int32_t clipSetting);

// The delay box read as a whole decimal number: digits up to the first other
// character (none: 0), kept as 16 bits.
std::uint16_t ReadKeyDelay(std::string_view boxText);

// OK: the case rule (2 exact, 1 first character, 3 none), the key delay (read
// even while its box is disabled) and the send method (1 clipboard, 0 keyboard).
void ConfirmSnapOptions(const SnapOptionsControls& controls, WordsnapRecord& working);

}  // namespace wordsnap
