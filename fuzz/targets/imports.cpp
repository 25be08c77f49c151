// An import file of any bytes, read as an ASCII delimited file or a text file, and
// its entries written into an empty data file under the duplicate mode and answers
// the input chooses; the index beside the tree must still agree with it.

#include "core/engine/matcher.h"
#include "core/store/data_file_operations.h"
#include "core/transfer/ascii_import.h"
#include "core/transfer/import_pipeline.h"
#include "core/transfer/text_import.h"
#include "fuzz_input.h"
#include "store/memory_data_file_access.h"

namespace {

class FuzzedImportHost final : public wordsnap::ImportHost {
 public:
  explicit FuzzedImportHost(std::uint8_t answers) : answers_(answers) {}
  void ShowMessage(const wordsnap::StoreMessage&) override {}
  bool AskDuplicate(const std::string&) override {
    answers_ = static_cast<std::uint8_t>(answers_ >> 1 | answers_ << 7);
    return answers_ & 1;
  }

 private:
  std::uint8_t answers_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wordsnap;
  fuzz::FuzzInput input(data, size);
  const std::uint8_t choice = input.Byte();
  FuzzedImportHost host(input.Byte());
  const std::string file = input.Rest();

  ImportList list;
  if (choice & 1) {
    ImportFileReader firstLine(file);
    if (GetFirstLine(firstLine) != FirstLineStatus::Acceptable) return 0;
    list = ReadAsciiDelimitedFile(file);
  } else {
    TextImportRead read = ReadTextImportFile(file);
    if (!read.formatOk) return 0;
    list = std::move(read.list);
  }

  store_test::MemoryDataFileAccess files;
  const std::string path = "C:\\KEY.WSN";
  files.Put(path, {});
  WordsnapStore store;
  LoadTheHotKeys(store, files, path);
  AddImportList(list, 1 + (choice >> 1) % 3, {store, files, path}, host);
  ForEachNodeInFillOrder(store.tree, [&](WordsnapNode& node) {
    fuzz::Require(SearchIndex(store.tree, store.names, node.Name()) == SearchTree(store.tree, node.Name()),
                  "the index finds what the tree finds after an import");
  });
  return 0;
}
