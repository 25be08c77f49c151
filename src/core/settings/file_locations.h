#pragma once
// Where the settings file and the files the program creates itself live: in the
// Windows directory and beside the program where those can be written, else in a
// per-user folder, so a normal user on a locked-down system keeps both.

#include <string>

#include "core/seam/file_location_probe.h"
#include "core/seam/profile_store.h"

namespace wordsnap {

struct FileLocations {
  std::string settingsFile;  // full path of "WORDSNAP.INI"
  std::string userFilesDir;  // folder of the first-run data file and the program's own files
  bool settingsMoved = false;  // the per-user settings file is in use
  bool settingsCopied = false;  // this run copied the old settings file across
};

// A per-user settings file, once there, is read first from then on. Otherwise the
// Windows directory's file is used while it can be written; when it cannot, the
// per-user file is made from a copy of it. The program directory keeps the program's
// own files while it can be written.
FileLocations ResolveFileLocations(FileLocationProbe& probe, const std::string& programDir);

// The message shown once when the settings could not be saved.
std::string SettingsNotSavedMessage(const std::string& settingsFile);

// A ProfileStore that sends the settings file's bare name to the file chosen by
// ResolveFileLocations; every other file goes through unchanged.
class RelocatedProfileStore final : public ProfileStore {
 public:
  RelocatedProfileStore(ProfileStore& inner, std::string settingsFile)
      : inner_(inner), settingsFile_(std::move(settingsFile)) {}

  std::string ReadProfileValue(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& fallback, std::size_t bufferSize) override;
  bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& value) override;

 private:
  const std::string& Route(const std::string& file) const;

  ProfileStore& inner_;
  std::string settingsFile_;
};

}  // namespace wordsnap
