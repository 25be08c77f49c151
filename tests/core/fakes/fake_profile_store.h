#pragma once
// A ProfileStore that keeps profile files in memory and records every profile call
// in order, for tests of the plain logic.

#include <cstddef>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/seam/profile_store.h"

namespace wordsnap::fakes {

struct ProfileCall {
  std::string file;
  std::string section;
  std::string key;
  std::string value;  // the value written, or the fallback offered on a read
  std::size_t bufferSize = 0;  // reads only

  bool operator==(const ProfileCall&) const = default;
};

class FakeProfileStore : public ProfileStore {
 public:
  // Key of one stored value: file, section, key. Compared exactly; the settings
  // code always spells names the same way.
  using ProfileKey = std::tuple<std::string, std::string, std::string>;

  std::string ReadProfileValue(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& fallback, std::size_t bufferSize) override {
    reads.push_back(ProfileCall{file, section, key, fallback, bufferSize});
    const auto found = values.find(ProfileKey{file, section, key});
    const std::string& value = found == values.end() ? fallback : found->second;
    // Like a fixed read buffer: at most bufferSize - 1 characters, then the NUL.
    if (bufferSize == 0) return {};
    return value.substr(0, bufferSize - 1);
  }

  bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& value) override {
    writes.push_back(ProfileCall{file, section, key, value, 0});
    if (failWrites) return false;
    values[ProfileKey{file, section, key}] = value;
    return true;
  }

  void SetProfileValue(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) {
    values[ProfileKey{file, section, key}] = value;
  }

  std::map<ProfileKey, std::string> values;
  std::vector<ProfileCall> reads;
  std::vector<ProfileCall> writes;
  bool failWrites = false;  // every write fails and changes nothing, as on a read-only file
};

}  // namespace wordsnap::fakes
