// A settings file whose every value is any text: loading gives settings that are
// saved and loaded again without change.

#include "core/settings/settings_file.h"
#include "fakes/fake_profile_store.h"
#include "fuzz_input.h"

namespace {

// Answers each read with the next text of the input, cut as the read buffer cuts.
class FuzzedProfiles final : public wordsnap::ProfileStore {
 public:
  explicit FuzzedProfiles(wordsnap::fuzz::FuzzInput& input) : input_(input) {}
  std::string ReadProfileValue(const std::string&, const std::string&, const std::string&,
                               const std::string& fallback, std::size_t bufferSize) override {
    if (input_.Byte() % 8 == 0) return fallback.substr(0, bufferSize ? bufferSize - 1 : 0);
    return input_.Text(bufferSize ? bufferSize - 1 : 0);
  }
  bool WriteProfileValue(const std::string&, const std::string&, const std::string&, const std::string&) override {
    return true;
  }

 private:
  wordsnap::fuzz::FuzzInput& input_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  fuzz::FuzzInput input(data, size);
  FuzzedProfiles fuzzed(input);
  Settings loaded;
  LoadSettings(loaded, fuzzed, "C:\\Program Files\\Wordsnap");

  // A save writes some values in their stated form (the delay with two decimals),
  // so the first save may round; from then on, saving and loading changes nothing.
  const auto saveAndLoad = [](Settings settings) {
    fakes::FakeProfileStore stored;
    SaveSettings(settings, stored);
    Settings loadedBack;
    LoadSettings(loadedBack, stored, "C:\\Program Files\\Wordsnap");
    return loadedBack;
  };
  const Settings once = saveAndLoad(loaded);
  fuzz::Require(saveAndLoad(once) == once, "saved settings load back unchanged");
  return 0;
}
