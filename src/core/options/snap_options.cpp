#include "core/options/snap_options.h"

namespace wordsnap {

SnapOptionsControls SnapOptionsAtShow(const WordsnapRecord& working) {
  SnapOptionsControls controls;
  controls.caseRadio = CaseItemFor(working.CaseRule);
  controls.secondsText = std::to_string(working.KeyDelay);
  controls.sendRadio = SendsViaClipboard(working.ViaClipboard) ? SendRadio::Clipboard : SendRadio::Keyboard;
  return controls;
}

SnapOptionsEnabling SnapOptionsEnablingFor(SendRadio sendRadio, std::int32_t clipSetting) {
  return {sendRadio == SendRadio::Keyboard, SendMethodChoosable(clipSetting)};
}

std::uint16_t ReadKeyDelay(std::string_view boxText) {
  std::uint32_t value = 0;
  for (const char c : boxText) {
    if (c < '0' || c > '9') break;
    // Only the low 16 bits are kept, so a long run of digits cannot overflow.
    value = (value * 10 + static_cast<std::uint32_t>(c - '0')) & 0xFFFFu;
  }
  return static_cast<std::uint16_t>(value);
}

void ConfirmSnapOptions(const SnapOptionsControls& controls, WordsnapRecord& working) {
  switch (controls.caseRadio) {
    case CaseItem::Exact: working.CaseRule = kCaseExact; break;
    case CaseItem::FirstCharacter: working.CaseRule = kCaseFirstCharacter; break;
    case CaseItem::None: working.CaseRule = kCaseNone; break;
  }
  working.KeyDelay = ReadKeyDelay(controls.secondsText);
  working.ViaClipboard = controls.sendRadio == SendRadio::Clipboard ? 1 : 0;
}

}  // namespace wordsnap
