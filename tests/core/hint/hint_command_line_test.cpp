#include "core/hint/hint_command_line.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace wordsnap {
namespace {

TEST(HintCommandLine, BuildsHandleAndPositionInDecimal) {
  EXPECT_EQ(BuildHintCommandLine(394302, 9), "-VJW /RH394302 /HP9");
  EXPECT_EQ(BuildHintCommandLine(0, 1), "-VJW /RH0 /HP1");
}

TEST(HintCommandLine, ParsesWhatIsBuilt) {
  const std::uint64_t handles[] = {0, 1, 65668, 0xFFFFFFFFull, 0x1234567890ull};
  for (const std::uint64_t handle : handles) {
    for (int position = kHintPositionFirst; position <= kHintPositionLast; ++position) {
      EXPECT_EQ(ParseHintCommandLine(BuildHintCommandLine(handle, position)),
                (HintStartArguments{handle, position}));
    }
  }
}

TEST(HintCommandLine, ParsesTolerantly) {
  const struct {
    const char* line;
    std::uint64_t mainWindow;
    int position;
  } cases[] = {
      {"", 0, 1},
      {"-VJW", 0, 1},
      {"-VJW /RH123", 123, 1},
      {"-VJW /HP5", 0, 5},
      {"  /hp7\t/rh42  ", 42, 7},
      {"-VJW /RH /HP", 0, 1},
      {"-VJW /RHabc /HP5x", 0, 1},
      {"-VJW /RH-5 /HP+3", 0, 1},
      {"-VJW /RH12 34 /HP2", 12, 2},
      {"-VJW /RH99999999999999999999999 /HP3", 0, 3},  // beyond 64 bits
      {"-VJW /RH7 /HP0", 7, 1},
      {"-VJW /RH7 /HP10", 7, 1},
      {"-VJW /RH7 /HP18446744073709551617", 7, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseHintCommandLine(c.line), (HintStartArguments{c.mainWindow, c.position}))
        << '"' << c.line << '"';
  }
}

}  // namespace
}  // namespace wordsnap
