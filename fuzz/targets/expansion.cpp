// The whole replay built from a record of any bytes, typed in any way, under any
// trigger settings and a keyboard layout that may lack keys.

#include "core/engine/output_plan.h"
#include "core/store/wordsnap_record.h"
#include "fuzz_input.h"

namespace {

class FuzzedLayout final : public wordsnap::KeyLayout {
 public:
  explicit FuzzedLayout(std::string answers) : answers_(std::move(answers)) {}
  std::int16_t KeyScan(char c) override {
    if (answers_.empty()) return -1;
    const auto answer = static_cast<unsigned char>(answers_[static_cast<unsigned char>(c) % answers_.size()]);
    return answer == 0xFF ? std::int16_t{-1} : static_cast<std::int16_t>(answer | ((answer & 7) << 8));
  }

 private:
  std::string answers_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  fuzz::FuzzInput input(data, size);
  Settings settings;
  const std::uint8_t flags = input.Byte();
  settings.useSuffix = flags & 1;
  settings.retypeSuffix = flags & 2;
  settings.useClipboard = flags & 4;
  settings.clipSetting = (flags >> 3) % 4;
  const std::string typed = input.Text(40);
  OutputContext context;
  context.typedBuffer = typed;
  context.typedNameLength = static_cast<std::int32_t>(input.Byte() % (typed.size() + 1));  // a name the buffer ends in
  context.suffixCharacter = static_cast<char>(input.Byte());
  context.capsLock = input.Byte() & 1;
  const std::string prefixKeys = input.Text(4);
  context.prefixKeys = prefixKeys;
  context.now = LocalDateTime{{2001, 3, 5}, 15, 4, 23, 0};
  FuzzedLayout layout(input.Text(64));

  RecordBytes bytes{};
  const std::string record = input.Rest();
  for (std::size_t i = 0; i < record.size() && i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(record[i]);
  BuildOutputPlan(DecodeRecord(bytes), context, settings, layout);
  return 0;
}
