#include "core/settings/file_locations.h"

#include "core/settings/settings.h"

namespace wordsnap {

namespace {

std::string InFolder(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

}  // namespace

FileLocations ResolveFileLocations(FileLocationProbe& probe, const std::string& programDir) {
  FileLocations locations;
  const std::string stated = InFolder(probe.WindowsDirectory(), kSettingsFileName);
  const std::string perUserFolder = probe.PerUserFolder();
  const std::string perUser = perUserFolder.empty() ? std::string() : InFolder(perUserFolder, kSettingsFileName);

  if (!perUser.empty() && probe.FileExists(perUser)) {
    locations.settingsFile = perUser;
    locations.settingsMoved = true;
  } else if (perUser.empty() || probe.CanWriteFile(stated)) {
    // With no per-user folder there is nowhere better; a failing save says so.
    locations.settingsFile = stated;
  } else {
    locations.settingsFile = perUser;
    locations.settingsMoved = true;
    if (probe.FileExists(stated)) locations.settingsCopied = probe.CopyWholeFile(stated, perUser);
  }

  const bool programDirUsable = perUserFolder.empty() || probe.CanWriteFolder(programDir);
  locations.userFilesDir = programDirUsable ? programDir : perUserFolder;
  return locations;
}

std::string SettingsNotSavedMessage(const std::string& settingsFile) {
  return "Wordsnaps could not save its settings to " + settingsFile +
         ". Settings changed now will be lost when Wordsnaps closes.";
}

const std::string& RelocatedProfileStore::Route(const std::string& file) const {
  return file == kSettingsFileName ? settingsFile_ : file;
}

std::string RelocatedProfileStore::ReadProfileValue(const std::string& file, const std::string& section,
                                                    const std::string& key, const std::string& fallback,
                                                    std::size_t bufferSize) {
  return inner_.ReadProfileValue(Route(file), section, key, fallback, bufferSize);
}

bool RelocatedProfileStore::WriteProfileValue(const std::string& file, const std::string& section,
                                              const std::string& key, const std::string& value) {
  return inner_.WriteProfileValue(Route(file), section, key, value);
}

}  // namespace wordsnap
