#include "core/hook/dead_key_composer.h"

namespace wordsnap::hook {

char16_t CombiningMarkOf(char16_t spacingAccent) noexcept {
  switch (spacingAccent) {
    case u'`': return 0x0300;
    case u'\'':
    case 0x00B4: return 0x0301;  // acute
    case u'^':
    case 0x02C6: return 0x0302;
    case u'~':
    case 0x02DC: return 0x0303;
    case 0x00AF: return 0x0304;  // macron
    case 0x02D8: return 0x0306;  // breve
    case 0x02D9: return 0x0307;  // dot above
    case u'"':
    case 0x00A8: return 0x0308;  // diaeresis
    case 0x00B0:
    case 0x02DA: return 0x030A;  // ring above
    case 0x02DD: return 0x030B;  // double acute
    case 0x02C7: return 0x030C;  // caron
    case 0x00B8: return 0x0327;  // cedilla
    case 0x02DB: return 0x0328;  // ogonek
    default: return 0;
  }
}

std::u16string DeadKeyComposer::OnDeadKey(char16_t spacingAccent) {
  if (pending_ == 0) {
    pending_ = spacingAccent;
    return {};
  }
  // Two dead keys in a row type both accents.
  std::u16string typed{pending_, spacingAccent};
  pending_ = 0;
  return typed;
}

std::u16string DeadKeyComposer::OnCharacters(std::u16string_view typed) {
  const char16_t accent = pending_;
  pending_ = 0;
  if (accent == 0 || typed.empty()) return std::u16string(typed);
  if (typed == u" ") return std::u16string(1, accent);
  // The layout may have completed the dead key itself (its state is shared with the
  // application that saw the accent first): then the accent is already in front.
  if (typed.size() > 1 && typed[0] == accent) return std::u16string(typed);
  const char16_t mark = CombiningMarkOf(accent);
  if (typed.size() == 1 && mark != 0 && compose_ != nullptr) {
    const char16_t composed = compose_(typed[0], mark);
    if (composed != 0) return std::u16string(1, composed);
  }
  std::u16string both(1, accent);
  both.append(typed);
  return both;
}

}  // namespace wordsnap::hook
