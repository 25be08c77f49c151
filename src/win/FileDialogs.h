#pragma once
// The common open and save dialogs, as every file command of the program asks.

#include <windows.h>

#include <optional>
#include <string>

namespace wordsnap {

struct FileDialogRequest {
  const char* title;
  const char* filter;            // "Description|pattern", as the commands state it
  const char* defaultExtension;  // without the dot
  bool forSaving;  // save: asks before overwriting, the folder must exist; open: the file must exist
};

// The path chosen; nothing when the user cancels. The read-only box is hidden.
std::optional<std::string> AskForFile(HWND owner, const FileDialogRequest& request);

}  // namespace wordsnap
