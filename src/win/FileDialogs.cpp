#include "FileDialogs.h"

#include <commdlg.h>

namespace wordsnap {
namespace {

// A "Name|pattern" filter in the dialog's form: parts separated and ended by NUL.
std::string DialogFilter(const char* filter) {
  std::string result(filter);
  for (char& c : result)
    if (c == '|') c = '\0';
  result.push_back('\0');
  return result;
}

}  // namespace

std::optional<std::string> AskForFile(HWND owner, const FileDialogRequest& request) {
  const std::string filter = DialogFilter(request.filter);
  char path[MAX_PATH] = {};
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = request.title;
  ofn.lpstrDefExt = request.defaultExtension;
  ofn.Flags = OFN_HIDEREADONLY | (request.forSaving ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
  const BOOL chosen = request.forSaving ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!chosen) return std::nullopt;
  return std::string(path);
}

}  // namespace wordsnap
