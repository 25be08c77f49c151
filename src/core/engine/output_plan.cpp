#include "core/engine/output_plan.h"

#include "core/ascii_case.h"
#include "core/engine/embedded_codes.h"
#include "core/engine/virtual_keys.h"

namespace wordsnap {
namespace {

constexpr unsigned char kCarriageReturn = 13;
constexpr unsigned char kLineFeed = 10;
constexpr unsigned char kFirstAltNumberCode = 128;

// The multiplication and division signs sit among the accented capitals and
// small letters of the ANSI code page but have no case.
constexpr unsigned char kMultiplicationSign = 215;
constexpr unsigned char kDivisionSign = 247;

OutputAction Key(OutputActionKind kind, std::uint8_t vk) {
  OutputAction action;
  action.kind = kind;
  action.vk = vk;
  action.ours = true;
  return action;
}

void Press(OutputPlan& plan, std::uint8_t vk) { plan.push_back(Key(OutputActionKind::KeyDown, vk)); }
void Release(OutputPlan& plan, std::uint8_t vk) { plan.push_back(Key(OutputActionKind::KeyUp, vk)); }

void PressAndRelease(OutputPlan& plan, std::uint8_t vk) {
  Press(plan, vk);
  Release(plan, vk);
}

void Pump(OutputPlan& plan) { plan.push_back(OutputAction{}); }

void TenthSecondPause(OutputPlan& plan) {
  OutputAction action;
  action.kind = OutputActionKind::TenthSecondPause;
  plan.push_back(action);
}

// After every character typed: the Wordsnap's delay, then pending messages.
void AfterCharacter(OutputPlan& plan, std::uint16_t delay) {
  if (delay > 0) {
    OutputAction action;
    action.kind = OutputActionKind::KeyDelay;
    action.milliseconds = delay;
    plan.push_back(action);
  }
  Pump(plan);
}

// Alt held while the numeric keypad types "0" and the code in decimal: the
// system composes the character of that code in the ANSI code page.
void AppendAltNumberKeys(OutputPlan& plan, unsigned char c) {
  Press(plan, vk::kMenu);
  for (char digit : "0" + std::to_string(c)) {
    PressAndRelease(plan, static_cast<std::uint8_t>(vk::kNumpad0 + (digit - '0')));
  }
  Release(plan, vk::kMenu);
}

bool IsCapital(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 192 && c <= 222 && c != kMultiplicationSign); }

}  // namespace

void AppendCharacterKeys(OutputPlan& plan, unsigned char c, KeyLayout& layout) {
  if (c >= kFirstAltNumberCode) {
    AppendAltNumberKeys(plan, c);
    return;
  }
  const std::int16_t scan = layout.KeyScan(static_cast<char>(c));
  if (scan == -1) {
    // The layout has no key for it. Dropping it would change the text, so it is
    // composed from its code like the characters above 127.
    AppendAltNumberKeys(plan, c);
    return;
  }
  const auto virtualKey = static_cast<std::uint8_t>(scan & 0xFF);
  const int shiftState = (scan >> 8) & 0xFF;
  // The modifiers the layout asks for: Shift 1, Ctrl 2, Alt 4 (AltGr is Ctrl+Alt).
  const bool shift = (shiftState & kScanShift) != 0;
  const bool control = (shiftState & kScanControl) != 0;
  const bool alt = (shiftState & kScanAlt) != 0;
  if (shift) Press(plan, vk::kShift);
  if (control) Press(plan, vk::kControl);
  if (alt) Press(plan, vk::kMenu);
  PressAndRelease(plan, virtualKey);
  if (shift) Release(plan, vk::kShift);
  if (control) Release(plan, vk::kControl);
  if (alt) Release(plan, vk::kMenu);
}

std::string ApplyFirstCharacterCase(std::string text, std::string_view typedBuffer, std::int32_t typedNameLength) {
  if (text.empty() || typedNameLength <= 0 || static_cast<std::size_t>(typedNameLength) > typedBuffer.size()) {
    return text;
  }
  const auto typedFirst = static_cast<unsigned char>(typedBuffer[typedBuffer.size() - static_cast<std::size_t>(typedNameLength)]);
  if (!IsCapital(typedFirst)) return text;
  auto first = static_cast<unsigned char>(UpperAscii(text[0]));
  if (first >= 224 && first <= 254 && first != kDivisionSign) first = static_cast<unsigned char>(first - 32);
  text[0] = static_cast<char>(first);
  return text;
}

std::size_t EraseCount(const WordsnapRecord& record, const Settings& settings, std::string_view prefixKeys) {
  return record.Name.size() + (settings.useSuffix ? 1 : prefixKeys.size());
}

bool TakesClipboardWay(const WordsnapRecord& record, const Settings& settings) {
  return settings.clipSetting == kClipClipboardForAll ||
         (settings.clipSetting == kClipIndividual && SendsViaClipboard(record.ViaClipboard));
}

OutputPlan BuildOutputPlan(const WordsnapRecord& record, const OutputContext& context, const Settings& settings,
                           KeyLayout& layout) {
  OutputPlan plan;
  const bool retype = settings.useSuffix && settings.retypeSuffix;

  std::string text(StorableText(record.ReplacementText));
  if (record.CaseRule == kCaseFirstCharacter) {
    text = ApplyFirstCharacterCase(std::move(text), context.typedBuffer, context.typedNameLength);
  }
  if (retype) text += context.suffixCharacter;

  // Through the clipboard, the text is put there before anything is erased: when
  // the clipboard cannot be set, the typed name stays instead of vanishing with
  // nothing in its place.
  const bool viaClipboard = TakesClipboardWay(record, settings);
  if (viaClipboard) {
    OutputAction put;
    put.kind = OutputActionKind::SetClipboardText;
    put.text = ExpandCodesForClipboard(std::move(text), context.now);
    plan.push_back(std::move(put));
  }
  const std::size_t replayStart = plan.size();

  if (context.capsLock) PressAndRelease(plan, vk::kCapital);

  const std::size_t erase = EraseCount(record, settings, context.prefixKeys);
  for (std::size_t i = 0; i < erase; ++i) {
    PressAndRelease(plan, vk::kBack);
    Pump(plan);
  }

  if (viaClipboard) {
    // Time for the target to take the Backspaces before the paste.
    TenthSecondPause(plan);
    Press(plan, vk::kControl);
    PressAndRelease(plan, vk::kV);
    Release(plan, vk::kControl);
  } else {
    const std::uint16_t delay = record.KeyDelay;
    std::size_t i = 0;
    while (i < text.size()) {
      if (text[i] == '<') {
        if (const auto code = ReadCodeAt(text, i, context.now)) {
          for (char c : code->text) {
            AppendCharacterKeys(plan, static_cast<unsigned char>(c), layout);
            AfterCharacter(plan, delay);
          }
          i += code->length;
          continue;
        }
      }
      const auto typed = static_cast<unsigned char>(text[i]);
      AppendCharacterKeys(plan, typed, layout);
      ++i;
      // A CR LF pair is one Enter.
      if (typed == kCarriageReturn && i < text.size() && static_cast<unsigned char>(text[i]) == kLineFeed) ++i;
      AfterCharacter(plan, delay);
    }
  }

  if (context.capsLock) PressAndRelease(plan, vk::kCapital);
  if (viaClipboard) {
    for (std::size_t i = replayStart; i < plan.size(); ++i) plan[i].needsClipboard = true;
  }
  if (!settings.useClipboard) TenthSecondPause(plan);
  PressAndRelease(plan, vk::kExecute);
  return plan;
}

}  // namespace wordsnap
