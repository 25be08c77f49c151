// Deleting keeps the data file itself: where it cannot be replaced by a side file
// (its folder takes no new file, it may be changed but not replaced) or where
// replacing it would split it from its other names, it is changed in place.
#include <gtest/gtest.h>

#include <functional>

#include "store/store_fixture.h"

namespace wordsnap::store_test {
namespace {

using Strings = std::vector<std::string>;

TEST(RecordRemoval, AFileThatCannotBeReplacedIsChangedInPlace) {
  const char* const kOtherName = "C:\\LINKS\\SHARED.WSN";
  const struct {
    const char* what;
    std::function<void(MemoryDataFileAccess&)> arrange;
    std::set<std::string> paths;
  } cases[] = {
      {"the folder takes no new file", [](auto& files) { files.CreationFails = true; }, {kDataPath}},
      {"the file may be changed but not replaced", [](auto& files) { files.ReplaceFails = true; }, {kDataPath}},
      {"the file has a second name", [&](auto& files) { files.Link(kDataPath, kOtherName); },
       {kDataPath, kOtherName}},
  };
  for (const auto& c : cases) {
    for (const std::int32_t recordNo : {1, 3, 4}) {
      SCOPED_TRACE(std::string(c.what) + ", record " + std::to_string(recordNo));
      MemoryDataFileAccess files;
      Bytes file = FileOfNames({"a", "b", "c", "d"}, "pk");
      file.insert(file.end(), 10, 0x7E);  // a damaged tail travels along
      files.Put(kDataPath, file);
      c.arrange(files);
      WordsnapStore store;
      store.prefixKeys = "#";

      ASSERT_TRUE(RemoveAHotKey(store, files, kDataPath, recordNo).Ok());
      const Bytes& after = files.Content(kDataPath);
      Strings expected = {"a", "b", "c", "d"};
      expected.erase(expected.begin() + (recordNo - 1));
      EXPECT_EQ(NamesIn(after), expected);
      EXPECT_EQ(after.size(), 3 * kRecordSize + 10);
      EXPECT_EQ(RecordAt(after, 1).PrefixKeys, recordNo == 1 ? "#" : "pk");
      EXPECT_EQ(files.Paths(), c.paths) << "no side file is left behind";
      for (const auto& path : c.paths) EXPECT_EQ(files.Content(path), after) << path << " shows the same file";
    }
  }
}

}  // namespace
}  // namespace wordsnap::store_test
