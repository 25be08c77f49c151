#pragma once
// Windows-style paths as plain text: the one place that knows where a folder
// ends ("\", "/" or a drive's ":").

#include <string>
#include <string_view>

namespace wordsnap {

struct PathParts {
  bool hasFolder = false;   // a separator was found
  std::string_view folder;  // before the last separator; a drive keeps its ":" ("C:")
  std::string_view name;    // after it: the whole path when there is no folder
};

PathParts SplitPath(std::string_view path);

// The directory part of a full file path, without a trailing backslash.
std::string DirectoryOf(const std::string& path);

}  // namespace wordsnap
