#pragma once
// Whole-file reads and writes for the spelling engine's lists.

#include <optional>
#include <string>
#include <string_view>

namespace wordsnap::spell {

class SpellFiles {
 public:
  virtual ~SpellFiles() = default;
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  virtual bool Write(const std::string& path, std::string_view bytes) = 0;
};

// Files through the C++ library, by the path as given.
class StdSpellFiles final : public SpellFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override;
  bool Write(const std::string& path, std::string_view bytes) override;
};

}  // namespace wordsnap::spell
