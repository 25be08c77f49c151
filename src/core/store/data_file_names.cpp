#include "core/store/data_file_names.h"

#include <algorithm>

#include "core/paths.h"
#include "core/settings/setting_values.h"
#include "core/store/wordsnap_tree.h"
#include "core/version.h"

namespace wordsnap {

bool HasWordsnapExtension(std::string_view path) {
  return path.size() >= 4 && UpperAscii(path.substr(path.size() - 4)) == ".WSN";
}

bool FitsCurrentFileSetting(std::string_view path) { return !path.empty() && path.size() <= kCurrentFileMaxLength; }

std::string_view FileNamePart(std::string_view path) { return SplitPath(path).name; }

std::string MainWindowCaption(std::string_view path) {
  std::string_view name = FileNamePart(path);
  name.remove_suffix(std::min<std::size_t>(4, name.size()));
  return std::string(kProgramTitle) + " (" + std::string(name) + ")";
}

}  // namespace wordsnap
