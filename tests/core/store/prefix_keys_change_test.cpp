// New prefix keys reach the data file like every other change: under the network
// lock and counted as a change; a refused lock leaves the keys in force as the
// file holds them.
#include "core/store/prefix_keys_change.h"

#include <gtest/gtest.h>

#include "fakes/fake_lock_owner.h"
#include "store/store_fixture.h"

namespace wordsnap::store_test {
namespace {

using Strings = std::vector<std::string>;

class PrefixKeysChangeTest : public StoreTest {
 protected:
  void SetUp() override {
    files.Put(kDataPath, FileOfNames({"a", "b"}, "pk"));
    LoadTheHotKeys(store, files, kDataPath);
  }
  fakes::FakeLockOwner lock;
};

TEST_F(PrefixKeysChangeTest, WrittenUnderTheLockAndCountedAsAChange) {
  const PrefixKeysChange change = ChangePrefixKeys(lock, store, files, kDataPath, "#!x");
  EXPECT_TRUE(change.applied);
  EXPECT_FALSE(change.message);
  EXPECT_EQ(store.prefixKeys, "#!");
  EXPECT_EQ(RecordAt(files.Content(kDataPath), 1).PrefixKeys, "#!");
  EXPECT_EQ(lock.steps, (Strings{"take lock", "release changed"}));
}

TEST_F(PrefixKeysChangeTest, ARefusedLockLeavesTheKeysAndTheFile) {
  const Bytes before = files.Content(kDataPath);
  lock.granted = false;
  EXPECT_FALSE(ChangePrefixKeys(lock, store, files, kDataPath, "#").applied);
  EXPECT_EQ(store.prefixKeys, "pk");
  EXPECT_EQ(files.Content(kDataPath), before);
  EXPECT_EQ(lock.steps, (Strings{"take lock"}));

  // Refused because another copy changed the file: the reload's keys stay in force.
  files.Put(kDataPath, FileOfNames({"a"}, "zz"));
  lock.onRefusal = [&] { LoadTheHotKeys(store, files, kDataPath); };
  EXPECT_FALSE(ChangePrefixKeys(lock, store, files, kDataPath, "#").applied);
  EXPECT_EQ(store.prefixKeys, "zz");
  EXPECT_EQ(RecordAt(files.Content(kDataPath), 1).PrefixKeys, "zz");
}

TEST_F(PrefixKeysChangeTest, AFileThatCannotBeOpenedIsToldAndCountsNoChange) {
  files.Unopenable.insert(kDataPath);
  const PrefixKeysChange change = ChangePrefixKeys(lock, store, files, kDataPath, "#");
  EXPECT_EQ(change.message, SavingFailedMessage());
  EXPECT_EQ(lock.steps, (Strings{"take lock", "release unchanged"}));
}

}  // namespace
}  // namespace wordsnap::store_test
