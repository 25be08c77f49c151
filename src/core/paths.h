#pragma once
// Small helpers on Windows-style paths, as plain text.

#include <string>

namespace wordsnap {

// The directory part of a full file path, without a trailing backslash.
std::string DirectoryOf(const std::string& path);

}  // namespace wordsnap
