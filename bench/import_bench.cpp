// Importing 10,000 Wordsnaps into an empty data file on disk, from an ASCII
// delimited file and from a text file in sorted name order, against the bare loop
// that appends the same 10,000 records one by one (each append opens the file, as
// every import's does); and the depth of the tree each import leaves.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/store/data_file_operations.h"
#include "core/store/std_data_file_access.h"
#include "core/transfer/ascii_import.h"
#include "core/transfer/import_pipeline.h"
#include "core/transfer/text_format.h"
#include "core/transfer/text_import.h"

namespace wordsnap {
namespace {

namespace fs = std::filesystem;

constexpr int kEntries = 10000;

// Sorted, unique names with texts of 40 to 440 characters.
struct Entry {
  std::string name;
  std::string text;
};

std::vector<Entry> SortedEntries() {
  std::mt19937 random(5);
  std::vector<Entry> entries;
  for (int i = 0; i < kEntries; ++i) {
    entries.push_back({"w" + std::to_string(10000 + i), std::string(40 + random() % 400, 'x')});
  }
  return entries;
}

std::string AsciiFile() {
  std::string bytes;
  for (const Entry& e : SortedEntries()) bytes += "\"" + e.name + "\",\"" + e.text + "\"\r\n";
  return bytes;
}

std::string TextFile() {
  std::string bytes;
  for (const Entry& e : SortedEntries()) {
    if (!bytes.empty()) bytes += kLineBreak;
    bytes.append(kItemNameMarker).append(e.name).append(kLineBreak).append(e.text);
  }
  return bytes;
}

class QuietHost final : public ImportHost {
 public:
  void ShowMessage(const StoreMessage&) override {}
  bool AskDuplicate(const std::string&) override { return false; }
};

// An empty data file, made afresh for each run, and the store that has it open.
struct EmptyTarget {
  EmptyTarget() {
    path = (fs::temp_directory_path() / ("wordsnap-import-bench-" + std::to_string(std::random_device{}()) + ".WSN"))
               .string();
    std::ofstream(path, std::ios::binary | std::ios::trunc);
    LoadTheHotKeys(store, files, path);
  }
  ~EmptyTarget() {
    std::error_code error;
    fs::remove(path, error);
  }
  std::string path;
  WordsnapStore store;
  StdDataFileAccess files;
};

void BareAppendLoop(benchmark::State& state) {
  const std::vector<Entry> entries = SortedEntries();
  std::size_t depth = 0;
  for (auto _ : state) {
    state.PauseTiming();
    EmptyTarget target;
    state.ResumeTiming();
    for (const Entry& e : entries) {
      target.store.current.Record = WordsnapRecord{};
      target.store.current.Record.Name = e.name;
      target.store.current.Record.ReplacementText = e.text;
      target.store.current.Record.Active = 1;
      target.store.current.Record.CaseRule = 3;
      AddAHotKey(target.store, target.files, target.path, kAppendRecord);
    }
    state.PauseTiming();
    depth = TreeDepth(target.store.tree);
    state.ResumeTiming();
  }
  state.counters["tree_depth"] = static_cast<double>(depth);
}

void Import(benchmark::State& state, bool ascii) {
  const std::string file = ascii ? AsciiFile() : TextFile();
  QuietHost host;
  std::size_t depth = 0;
  std::int32_t imported = 0;
  for (auto _ : state) {
    state.PauseTiming();
    EmptyTarget target;
    state.ResumeTiming();
    ImportList list = ascii ? ReadAsciiDelimitedFile(file) : ReadTextImportFile(file).list;
    imported = AddImportList(list, 1, {target.store, target.files, target.path}, host).Imported();
    state.PauseTiming();
    depth = TreeDepth(target.store.tree);
    state.ResumeTiming();
  }
  if (imported != kEntries) state.SkipWithError("not every entry was imported");
  state.counters["tree_depth"] = static_cast<double>(depth);
}

BENCHMARK(BareAppendLoop)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Import, ascii_delimited_sorted, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Import, text_file_sorted, false)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace wordsnap
