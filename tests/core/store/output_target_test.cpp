// The export and the list output refuse the data file in use and its sync file,
// however their names are spelt.
#include "core/store/output_target.h"

#include <gtest/gtest.h>

#include "store/store_fixture.h"

namespace wordsnap::store_test {
namespace {

TEST(OutputTarget, TheDataFileAndItsSyncFileAreRefusedUnderAnyName) {
  MemoryDataFileAccess files;
  files.Put(kDataPath, FileOfNames({"a"}));
  files.Put("C:\\DATA\\KEY.WSY", Bytes(14, 0));
  files.Link(kDataPath, "C:\\DATA\\KEYWSN~1.TXT");   // a short name, or a hard link
  files.Link("C:\\DATA\\KEY.WSY", "D:\\ELSE\\SYNC.TXT");
  files.Put("C:\\DATA\\LIST.TXT", {});
  const struct {
    const char* target;
    const char* refusedAs;  // nullptr: may be written
  } cases[] = {
      {"C:\\DATA\\KEY.WSN", "is the Wordsnap file in use."},
      {"C:\\DATA\\KEYWSN~1.TXT", "is the Wordsnap file in use."},
      {"C:\\DATA\\KEY.WSY", "is the sync file of the Wordsnap file in use."},
      {"D:\\ELSE\\SYNC.TXT", "is the sync file of the Wordsnap file in use."},
      // Names the files cannot be asked about are compared as the file system would.
      {"c:/data/key.wsn", "is the Wordsnap file in use."},
      {"C:\\DATA\\LIST.TXT", nullptr},
      {"C:\\DATA\\NEW.TXT", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<StoreMessage> refusal = OutputOverDataFileRefusal(files, c.target, kDataPath);
    if (c.refusedAs == nullptr) {
      EXPECT_FALSE(refusal) << c.target;
      continue;
    }
    ASSERT_TRUE(refusal) << c.target;
    EXPECT_EQ(refusal->caption, "Error");
    EXPECT_EQ(refusal->text.substr(0, std::string(c.target).size() + 1), std::string(c.target) + " ") << c.target;
    EXPECT_NE(refusal->text.find(c.refusedAs), std::string::npos) << refusal->text;
  }
  // A sync file that does not exist yet is still the sync file's name.
  files.Remove("C:\\DATA\\KEY.WSY");
  EXPECT_TRUE(OutputOverDataFileRefusal(files, "C:\\DATA\\key.wsy", kDataPath));
}

}  // namespace
}  // namespace wordsnap::store_test
