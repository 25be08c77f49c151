#pragma once
// What playing one Wordsnap sends, as plain data: erase the typed name, then the
// replacement text key by key or through the clipboard (placed there before the
// name is erased), then the end-of-replay key. The window layer plays the plan through the output seam (PlayPlan).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/calendar.h"
#include "core/seam/key_layout.h"
#include "core/settings/settings.h"
#include "core/store/wordsnap_record.h"

namespace wordsnap {

enum class OutputActionKind : std::uint8_t {
  KeyDown,
  KeyUp,
  PumpMessages,      // let the window process what is pending
  KeyDelay,          // wait `milliseconds` by the tick count, pumping messages
  TenthSecondPause,  // wait a tenth of a second of the time of day, pumping messages
  SetClipboardText,  // replace the clipboard's contents with `text`
};

struct OutputAction {
  OutputActionKind kind = OutputActionKind::PumpMessages;
  std::uint8_t vk = 0;
  bool ours = false;            // keys: carries the program's injection mark
  // Played only when the clipboard was set: through the clipboard, everything from
  // the erasing to the paste. Left out otherwise, so that neither the typed name is
  // erased nor stale clipboard contents pasted in place of the text.
  bool needsClipboard = false;
  std::uint32_t milliseconds = 0;
  std::string text;

  bool operator==(const OutputAction&) const = default;
};

using OutputPlan = std::vector<OutputAction>;

// What the plan is built from besides the record and the settings.
struct OutputContext {
  std::string_view typedBuffer;     // as it stood when the match was found
  std::int32_t typedNameLength = 0; // length of the matched name
  char suffixCharacter = ' ';       // the key that ended the word, in suffix mode
  bool capsLock = false;            // Caps Lock was on while the name was typed
  std::string_view prefixKeys;      // of the open data file
  LocalDateTime now;                // for the date and time codes
};

// The whole replay of `record` (its Name, ReplacementText, ViaClipboard,
// CaseRule and KeyDelay are used). Reads the settings Use Suffix, Retype Suffix,
// Clip Setting and Use Clipboard.
OutputPlan BuildOutputPlan(const WordsnapRecord& record, const OutputContext& context, const Settings& settings,
                           KeyLayout& layout);

// The replacement text with the first-character case rule applied: when the
// typed name begins with a capital, the text's first letter becomes one.
std::string ApplyFirstCharacterCase(std::string text, std::string_view typedBuffer, std::int32_t typedNameLength);

// Backspaces that erase what the user typed: the name, plus the suffix key in
// suffix mode or the prefix keys in prefix mode.
std::size_t EraseCount(const WordsnapRecord& record, const Settings& settings, std::string_view prefixKeys);

bool TakesClipboardWay(const WordsnapRecord& record, const Settings& settings);

// Appends the keys that type one character (no delay or message processing).
void AppendCharacterKeys(OutputPlan& plan, unsigned char c, KeyLayout& layout);

}  // namespace wordsnap
