#include "platform/win32/win32_file_location_probe.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace wordsnap {

namespace {

constexpr const char* kPerUserFolderName = "\\Wordsnaps";

std::string WithoutTrailingBackslash(std::string path) {
  if (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

}  // namespace

std::string Win32FileLocationProbe::WindowsDirectory() {
  char buffer[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return WithoutTrailingBackslash(std::string(buffer, length));
}

std::string Win32FileLocationProbe::PerUserFolder() {
  char buffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, buffer))) {
    return {};
  }
  const std::string folder = WithoutTrailingBackslash(buffer) + kPerUserFolderName;
  if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return {};
  return folder;
}

bool Win32FileLocationProbe::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileLocationProbe::CanWriteFile(const std::string& path) {
  if (!FileExists(path)) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash != std::string::npos && CanWriteFolder(path.substr(0, slash));
  }
  // Opened for writing without truncating and closed at once: the file is unchanged.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool Win32FileLocationProbe::CanWriteFolder(const std::string& folder) {
  // A new file of a name of its own, removed when its handle closes.
  const std::string probe = folder + "\\~wsnprobe" + std::to_string(GetCurrentProcessId()) + ".tmp";
  HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool Win32FileLocationProbe::CopyWholeFile(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), TRUE) != FALSE;
}

}  // namespace wordsnap
