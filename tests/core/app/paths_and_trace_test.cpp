#include <gtest/gtest.h>

#include "core/paths.h"
#include "core/store/data_file_names.h"
#include "core/trace_line.h"

namespace wordsnap {
namespace {

TEST(Paths, DirectoryAndNameParts) {
  struct Case { const char* path; const char* dir; const char* name; };
  const Case cases[] = {
      {"C:\\Program Files\\Wordsnap\\Wordsnap.exe", "C:\\Program Files\\Wordsnap", "Wordsnap.exe"},
      {"C:\\Wordsnap.exe", "C:", "Wordsnap.exe"},
      {"Z:\\work\\build\\", "Z:\\work\\build", ""},
      {"KEY.WSN", "", "KEY.WSN"},
      {"c:mine.wsn", "c:", "mine.wsn"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DirectoryOf(c.path), c.dir) << c.path;
    EXPECT_EQ(FileNamePart(c.path), c.name) << c.path;
  }
}

TEST(Paths, SplitTellsANameWithoutFolderFromOneAtTheRoot) {
  EXPECT_FALSE(SplitPath("KEY.WSN").hasFolder);
  const PathParts root = SplitPath("\\KEY.WSN");
  EXPECT_TRUE(root.hasFolder);
  EXPECT_EQ(root.folder, "");
  EXPECT_EQ(root.name, "KEY.WSN");
}

TEST(TraceLine, SignedValuesAndLowByteCharacter) {
  EXPECT_EQ(FormatTraceLine(0, 0x141), "WParam = 0  LParam = 321 A\r\n");
  EXPECT_EQ(FormatTraceLine(-1, -191), std::string("WParam = -1  LParam = -191 ") + '\x41' + "\r\n");
}

}  // namespace
}  // namespace wordsnap
