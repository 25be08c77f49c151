#pragma once
// Follows a dead key (an accent that waits for the next key) to the text the
// application makes of it, so that the hook reports what was really typed:
// the accent composed with the next letter, the accent alone before a space,
// or the accent followed by the next characters when they do not compose.

#include <string>
#include <string_view>

namespace wordsnap::hook {

// The precomposed character of a base character and a combining mark, or 0.
using ComposeFunction = char16_t (*)(char16_t base, char16_t combiningMark);

// The combining mark of a spacing accent as layouts give it for a dead key, or 0.
char16_t CombiningMarkOf(char16_t spacingAccent) noexcept;

class DeadKeyComposer {
 public:
  explicit DeadKeyComposer(ComposeFunction compose) noexcept : compose_(compose) {}

  // A dead key went down; returns what is typed now (a waiting accent that a
  // second dead key completes).
  std::u16string OnDeadKey(char16_t spacingAccent);
  // A key made these characters; returns what is typed with the waiting accent.
  std::u16string OnCharacters(std::u16string_view typed);
  // The caret moved or a key made nothing: no accent waits any longer.
  void Clear() noexcept { pending_ = 0; }

 private:
  ComposeFunction compose_;
  char16_t pending_ = 0;
};

}  // namespace wordsnap::hook
