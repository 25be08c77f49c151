// The companions the program loads carry the product's version resource, as the
// program does: Windows shows it in a file's properties and installers read it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wordsnap::win_test {
namespace {

std::string BesideTests(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

std::string VersionString(const std::vector<char>& info, const char* key) {
  char* value = nullptr;
  UINT length = 0;
  const std::string query = std::string("\\StringFileInfo\\040904B0\\") + key;
  if (!VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0) return {};
  return std::string(value, length - 1);
}

TEST(VersionResourcesTest, TheLibrariesNameTheProductAndItsVersion) {
  for (const char* name : {"WDSN95HK.DLL", "ssce4332.dll"}) {
    SCOPED_TRACE(name);
    const std::string path = BesideTests(name);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
    EXPECT_EQ(VersionString(info, "ProductName"), "Wordsnaps 2000");
    EXPECT_EQ(VersionString(info, "ProductVersion"), "1.7");
    EXPECT_EQ(VersionString(info, "OriginalFilename"), name);
  }
}

}  // namespace
}  // namespace wordsnap::win_test
