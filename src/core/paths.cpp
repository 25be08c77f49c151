#include "core/paths.h"

namespace wordsnap {

PathParts SplitPath(std::string_view path) {
  const std::size_t cut = path.find_last_of("\\/:");
  if (cut == std::string_view::npos) return {false, {}, path};
  return {true, path.substr(0, path[cut] == ':' ? cut + 1 : cut), path.substr(cut + 1)};
}

std::string DirectoryOf(const std::string& path) {
  std::string dir(SplitPath(path).folder);
  if (!dir.empty() && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
  return dir;
}

}  // namespace wordsnap
