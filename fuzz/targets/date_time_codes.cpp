// A replacement text of any bytes with the date and time codes in it expanded at
// any moment the clock can give, by both ways of reading codes.

#include "core/engine/embedded_codes.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  fuzz::FuzzInput input(data, size);
  LocalDateTime now;
  now.date.year = 1601 + input.Integer<std::uint16_t>() % 29227;  // as far as the system clock goes
  now.date.month = 1 + input.Byte() % 12;
  now.date.day = 1 + input.Byte() % 28;
  now.hour = input.Byte() % 24;
  now.minute = input.Byte() % 60;
  now.second = input.Byte() % 60;
  now.millisecond = input.Integer<std::uint16_t>() % 1000;
  const std::string text = input.Rest();
  ExpandCodesForClipboard(text, now);
  for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) ReadCodeAt(text, at, now);
  return 0;
}
