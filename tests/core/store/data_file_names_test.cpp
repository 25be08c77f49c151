#include "core/store/data_file_names.h"

#include <gtest/gtest.h>

namespace wordsnap {
namespace {

TEST(DataFileNames, OnlyTheWsnExtensionInAnyCaseIsADataFile) {
  const std::pair<const char*, bool> table[] = {
      {"C:\\DATA\\KEY.WSN", true}, {"notes.wsn", true}, {"x.WsN", true},     {".wsn", true},
      {"notes.txt", false},        {"KEY.WSNX", false}, {"wsn", false},      {"", false},
      {"KEYWSN", false},
  };
  for (const auto& [path, valid] : table) EXPECT_EQ(HasWordsnapExtension(path), valid) << path;
}

TEST(DataFileNames, CaptionNamesTheFileWithoutFolderOrExtension) {
  const std::pair<const char*, const char*> table[] = {
      {"C:\\DATA\\KEY.WSN", "Wordsnaps 2000 (KEY)"},
      {"C:\\LISTS\\MINE.WSN", "Wordsnaps 2000 (MINE)"},
      {"c:\\lists\\mine.wsn", "Wordsnaps 2000 (mine)"},
      {"D:notes.wsn", "Wordsnaps 2000 (notes)"},
      {"/tmp/a.b.wsn", "Wordsnaps 2000 (a.b)"},
      {"KEY.WSN", "Wordsnaps 2000 (KEY)"},
      {"C:\\ab", "Wordsnaps 2000 ()"},
  };
  for (const auto& [path, caption] : table) EXPECT_EQ(MainWindowCaption(path), caption) << path;
}

}  // namespace
}  // namespace wordsnap
