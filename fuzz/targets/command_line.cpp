// A command line of any arguments (NUL-separated in the input), each parsed and
// applied to the settings and the modes; a data file it opens must come back
// whole from the settings at the next start.

#include "core/settings/settings_file.h"
#include "core/startup/command_line.h"
#include "fakes/fake_profile_store.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  const std::string line(reinterpret_cast<const char*>(data), size);
  Settings settings;
  CommandLineModes modes;
  std::size_t start = 0;
  while (start <= line.size()) {
    std::size_t end = line.find('\0', start);
    if (end == std::string::npos) end = line.size();
    const SwitchEffect effect = ParseSwitch(std::string_view(line).substr(start, end - start));
    ApplySwitchToSettings(effect, settings);
    ApplySwitchToModes(effect, modes);
    if (effect.kind == SwitchKind::OpenFile) settings.currentFile = effect.text;
    start = end + 1;
  }

  fakes::FakeProfileStore profiles;
  SaveSettings(settings, profiles);
  Settings nextStart;
  LoadSettings(nextStart, profiles, "C:\\Program Files\\Wordsnap");
  fuzz::Require(settings.currentFile.empty() || nextStart.currentFile == settings.currentFile,
                "the data file opened comes back whole at the next start");
  return 0;
}
