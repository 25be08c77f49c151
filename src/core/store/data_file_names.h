#pragma once
// Names of data files: the extension a data file must carry and the main
// window's caption for the open file.

#include <string>
#include <string_view>

namespace wordsnap {

// True when the last four characters, upper-cased, are ".WSN".
bool HasWordsnapExtension(std::string_view path);

// True when the path can be kept as the current file and read back whole at the
// next start.
bool FitsCurrentFileSetting(std::string_view path);

// The file's name without its folder ("\", "/" or a drive's ":" ends a folder).
std::string_view FileNamePart(std::string_view path);

// "Wordsnaps 2000 (" + the file's name without its last four characters + ")".
std::string MainWindowCaption(std::string_view path);

}  // namespace wordsnap
