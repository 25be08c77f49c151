#include "core/paths.h"

namespace wordsnap {

std::string DirectoryOf(const std::string& path) {
  const auto cut = path.find_last_of("\\/:");
  if (cut == std::string::npos) return {};
  std::string dir = path.substr(0, path[cut] == ':' ? cut + 1 : cut);
  if (!dir.empty() && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
  return dir;
}

}  // namespace wordsnap
