#include "core/hint/hint_mapping.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace wordsnap {
namespace {

using Bytes = std::array<unsigned char, kHintMappingSize>;

TEST(HintMapping, WritesFieldsAtTheirOffsets) {
  Bytes bytes{};
  WriteHintMapping(bytes, "sig", "Regards");

  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "sig");
  EXPECT_EQ(bytes[11], 7);
  EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 19), "Regards");
}

TEST(HintMapping, RoundTripsTextsUpToTheirMaxima) {
  const struct {
    std::string name;
    std::string preview;
  } cases[] = {
      {"", ""},
      {"sig", "Regards,\r\nJohn"},
      {std::string(10, 'N'), std::string(50, 'p')},
      {"a\xE9", std::string("x\0y", 3)},  // any byte, NUL included, is text
  };
  for (const auto& c : cases) {
    Bytes bytes{};
    WriteHintMapping(bytes, c.name, c.preview);
    EXPECT_EQ(ReadHintMapping(bytes), (HintContent{c.name, c.preview})) << c.name;
  }
}

TEST(HintMapping, CutsLongTextsToTheirFields) {
  Bytes bytes{};
  WriteHintMapping(bytes, "abcdefghijKLMN", std::string(40, 'x') + std::string(30, 'y'));

  const HintContent content = ReadHintMapping(bytes);
  EXPECT_EQ(content.name, "abcdefghij");
  EXPECT_EQ(content.preview, std::string(40, 'x') + std::string(10, 'y'));
  EXPECT_EQ(bytes[11], 50) << "the name must not spill into the preview length";
}

TEST(HintMapping, ShorterHintLeavesNothingOfTheEarlierOne) {
  Bytes bytes{};
  WriteHintMapping(bytes, "signature", "Best regards from all of us");
  WriteHintMapping(bytes, "ok", "Fine");

  for (std::size_t i = 3; i < 11; ++i) EXPECT_EQ(bytes[i], 0) << i;
  for (std::size_t i = 16; i < kHintMappingSize; ++i) EXPECT_EQ(bytes[i], 0) << i;
}

TEST(HintMapping, HostileLengthsAreClampedToTheFields) {
  Bytes bytes;
  bytes.fill('#');
  bytes[0] = 255;
  bytes[11] = 51;

  const HintContent content = ReadHintMapping(bytes);
  EXPECT_EQ(content.name, std::string(10, '#'));
  EXPECT_EQ(content.preview, std::string(50, '#'));
}

}  // namespace
}  // namespace wordsnap
