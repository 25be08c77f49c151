// The hint program's command line and its shared mapping, both of any bytes; a
// hint written is read back as written, cut to its fields.

#include <algorithm>
#include <array>

#include "core/hint/hint_command_line.h"
#include "core/hint/hint_mapping.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  fuzz::FuzzInput input(data, size);
  ParseHintCommandLine(input.Text(300));

  std::array<unsigned char, kHintMappingSize> mapping{};
  const std::string bytes = input.Bytes(kHintMappingSize);
  std::copy(bytes.begin(), bytes.end(), mapping.begin());
  ReadHintMapping(mapping);

  const std::string name = input.Text(20);
  const std::string preview = input.Text(80);
  WriteHintMapping(mapping, name, preview);
  const HintContent read = ReadHintMapping(mapping);
  fuzz::Require(name.substr(0, read.name.size()) == read.name && preview.substr(0, read.preview.size()) == read.preview,
                "a hint written is read back as written");
  return 0;
}
