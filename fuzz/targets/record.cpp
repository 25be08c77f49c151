// One record of any bytes: decoding never reads outside it, and what it decodes
// to is kept when written back and read again.

#include "core/store/wordsnap_record.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  RecordBytes bytes{};
  for (std::size_t i = 0; i < size && i < bytes.size(); ++i) bytes[i] = data[i];
  const WordsnapRecord decoded = DecodeRecord(bytes);
  fuzz::Require(DecodeRecord(EncodeRecord(decoded)) == decoded, "a decoded record is kept when written back");
  return 0;
}
