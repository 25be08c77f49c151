// Day arithmetic on any date and offset, as the date codes' day shift and the sync
// clock use it.

#include "core/engine/calendar.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  fuzz::FuzzInput input(data, size);
  CivilDate date;
  date.year = input.Integer<std::int32_t>();
  date.month = input.Integer<std::int32_t>();
  date.day = input.Integer<std::int32_t>();
  const std::int64_t days = DaysFromCivil(date);
  DayOfWeek(date);
  AddDays(date, input.Integer<std::int16_t>());
  CivilFromDays(days % (std::int64_t{1} << 40));
  return 0;
}
