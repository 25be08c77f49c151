// A data file of any bytes, loaded, then worked on by the record operations the
// input chooses: every operation must cope with what the load made of it.

#include "core/engine/matcher.h"
#include "core/store/data_file_operations.h"
#include "fuzz_input.h"
#include "store/memory_data_file_access.h"

namespace wordsnap {
namespace {

constexpr const char* kPath = "C:\\KEY.WSN";

// Some record numbers the file has, some it has not.
std::int32_t PickRecord(fuzz::FuzzInput& input, const WordsnapStore& store) {
  const auto raw = input.Integer<std::int32_t>();
  if (raw < 0 || input.Byte() % 4 == 0) return raw;
  return raw % (store.recordCount + 2);
}

// The index beside the tree must answer as the tree does for every name in it.
void CheckIndexAgreesWithTree(const WordsnapStore& store) {
  ForEachNodeInFillOrder(store.tree, [&](const WordsnapNode& node) {
    fuzz::Require(SearchIndex(store.tree, store.names, node.Name()) == SearchTree(store.tree, node.Name()),
                  "the index finds what the tree finds");
  });
}

}  // namespace
}  // namespace wordsnap

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  fuzz::FuzzInput input(data, size);
  const int operations = input.Byte() % 8;
  const std::string ops = input.Bytes(static_cast<std::size_t>(operations) * 6);
  store_test::MemoryDataFileAccess files;
  files.Put(kPath, input.RestBytes());

  WordsnapStore store;
  LoadTheHotKeys(store, files, kPath);
  fuzz::FuzzInput choices(reinterpret_cast<const std::uint8_t*>(ops.data()), ops.size());
  for (int i = 0; i < operations; ++i) {
    switch (choices.Byte() % 7) {
      case 0:
        LoadAHotKey(store, files, kPath, PickRecord(choices, store));
        break;
      case 1:
        store.current.Record.Name = "n" + std::to_string(i);
        AddAHotKey(store, files, kPath, kAppendRecord);
        break;
      case 2:
        if (LoadAHotKey(store, files, kPath, PickRecord(choices, store)).outcome == StoreOutcome::Done) {
          store.current.Record.Name += "x";
          AddAHotKey(store, files, kPath, store.current.RecordNo);
        }
        break;
      case 3:
        RemoveAHotKey(store, files, kPath, PickRecord(choices, store));
        break;
      case 4:
        ChangeActiveInFile(files, kPath, PickRecord(choices, store), choices.Byte());
        break;
      case 5:
        store.prefixKeys = ";;";
        ChangePrefixInFile(store, files, kPath);
        break;
      default:
        ReloadHotKeys(store, files, kPath);
        break;
    }
    CheckIndexAgreesWithTree(store);
  }
  CheckIndexAgreesWithTree(store);
  return 0;
}
