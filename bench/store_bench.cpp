// The data file on disk: loading 10,000 Wordsnaps, against reading the same
// bytes in one go, with names in random order (a bushy tree) and in sorted order
// (a chain, since the tree is never rebalanced); the heap the loaded Wordsnaps
// hold; appending one Wordsnap; deleting the first of 10,000.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/store/data_file_operations.h"
#include "core/store/std_data_file_access.h"

namespace wordsnap {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRecords = 10000;

fs::path MakeBenchFolder() {
  fs::path path = fs::temp_directory_path() / ("wordsnap-store-bench-" + std::to_string(std::random_device{}()));
  fs::create_directories(path);
  return path;
}

// The files the benchmarks write, removed again when the program ends.
const fs::path kBenchFolder = MakeBenchFolder();
struct FolderCleanup {
  ~FolderCleanup() {
    std::error_code error;
    fs::remove_all(kBenchFolder, error);
  }
} cleanup;

const fs::path& BenchFolder() { return kBenchFolder; }

std::vector<std::string> Names(bool sorted) {
  std::mt19937 random(7);
  const std::string letters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::vector<std::string> names;
  for (int i = 0; i < kRecords; ++i) {
    std::string name = "w" + std::to_string(10000 + i);  // unique
    const std::size_t extra = random() % 5;
    for (std::size_t k = 0; k < extra; ++k) name += letters[random() % letters.size()];
    names.push_back(name);
  }
  if (sorted) {
    std::sort(names.begin(), names.end());
  } else {
    std::shuffle(names.begin(), names.end(), random);
  }
  return names;
}

// Writes a data file of 10,000 records and returns its path.
std::string MakeDataFile(const std::string& fileName, bool sorted) {
  const std::string path = (BenchFolder() / fileName).string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::mt19937 random(11);
  for (const auto& name : Names(sorted)) {
    WordsnapRecord record;
    record.Name = name;
    record.Active = 1;
    record.ReplacementText = std::string(40 + random() % 400, 'x');
    record.CaseRule = 3;
    const RecordBytes bytes = EncodeRecord(record);
    out.write(reinterpret_cast<const char*>(bytes.data()), kRecordSize);
  }
  return path;
}

const std::string& RandomOrderFile() {
  static const std::string path = MakeDataFile("RANDOM.WSN", false);
  return path;
}

const std::string& SortedOrderFile() {
  static const std::string path = MakeDataFile("SORTED.WSN", true);
  return path;
}

std::size_t ReadInOneGo(DataFileAccess& files, const std::string& path, std::vector<std::uint8_t>& buffer) {
  auto file = files.Open(path, DataFileMode::ReadOnly);
  buffer.resize(static_cast<std::size_t>(file->Size().value_or(0)));
  file->ReadAt(0, buffer);
  file->Close();
  return buffer.size();
}

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

void LoadAgainstPlainRead(benchmark::State& state, const std::string& path) {
  StdDataFileAccess files;
  std::vector<std::uint8_t> buffer;
  double readSeconds = 0;
  double loadSeconds = 0;
  std::clock_t readCpu = 0;
  std::clock_t loadCpu = 0;
  for (auto _ : state) {
    WordsnapStore store;
    const auto t0 = Clock::now();
    const std::clock_t c0 = std::clock();
    benchmark::DoNotOptimize(ReadInOneGo(files, path, buffer));
    const auto t1 = Clock::now();
    const std::clock_t c1 = std::clock();
    LoadTheHotKeys(store, files, path);
    const auto t2 = Clock::now();
    const std::clock_t c2 = std::clock();
    benchmark::DoNotOptimize(store.tree);
    readSeconds += Seconds(t1 - t0);
    loadSeconds += Seconds(t2 - t1);
    readCpu += c1 - c0;
    loadCpu += c2 - c1;
    state.SetIterationTime(Seconds(t2 - t1));
    state.PauseTiming();
    state.counters["tree_depth"] = static_cast<double>(TreeDepth(store.tree));
    FreeTheHotKeys(store.tree);
    state.ResumeTiming();
  }
  state.counters["read_ms"] = 1000 * readSeconds / static_cast<double>(state.iterations());
  state.counters["load_over_read"] = loadSeconds / readSeconds;
  // The same ratio in processor time, steadier on a busy machine.
  state.counters["load_over_read_cpu"] = readCpu > 0 ? static_cast<double>(loadCpu) / static_cast<double>(readCpu) : 0;
}

void BM_LoadRandomOrder(benchmark::State& state) { LoadAgainstPlainRead(state, RandomOrderFile()); }
void BM_LoadSortedOrder(benchmark::State& state) { LoadAgainstPlainRead(state, SortedOrderFile()); }

// Bytes of the C library's heap in use, its own block overhead included.
std::size_t HeapInUse() { return mallinfo2().uordblks; }

// What 10,000 loaded Wordsnaps keep on the heap, per Wordsnap: all of the store, and
// the name index's part of it (the index built again beside a loaded store).
void HeldAfterLoading(benchmark::State& state, const std::string& path) {
  StdDataFileAccess files;
  double perWordsnap = 0;
  double indexPerWordsnap = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    {
      WordsnapStore store;
      LoadTheHotKeys(store, files, path);
      const std::size_t loaded = HeapInUse();
      WordsnapNameIndex index;
      index.Rebuild(store.tree);
      perWordsnap = static_cast<double>(loaded - before) / kRecords;
      indexPerWordsnap = static_cast<double>(HeapInUse() - loaded) / kRecords;
    }
  }
  state.counters["bytes_per_wordsnap"] = perWordsnap;
  state.counters["index_bytes_per_wordsnap"] = indexPerWordsnap;
}

void BM_HeldRandomOrder(benchmark::State& state) { HeldAfterLoading(state, RandomOrderFile()); }
void BM_HeldSortedOrder(benchmark::State& state) { HeldAfterLoading(state, SortedOrderFile()); }

void BM_AppendRecord(benchmark::State& state) {
  StdDataFileAccess files;
  const std::string path = (BenchFolder() / "APPEND.WSN").string();
  fs::copy_file(RandomOrderFile(), path, fs::copy_options::overwrite_existing);
  WordsnapStore store;
  LoadTheHotKeys(store, files, path);
  store.current.Record.Name = "appended";
  store.current.Record.ReplacementText = std::string(200, 'a');
  for (auto _ : state) {
    AddAHotKey(store, files, path, kAppendRecord);
    state.PauseTiming();
    fs::resize_file(path, static_cast<std::uintmax_t>(kRecords) * kRecordSize);
    state.ResumeTiming();
  }
}

void DeleteFirstRecord(benchmark::State& state, bool reload) {
  StdDataFileAccess files;
  const std::string path = (BenchFolder() / "DELETE.WSN").string();
  WordsnapStore store;
  for (auto _ : state) {
    state.PauseTiming();
    fs::copy_file(RandomOrderFile(), path, fs::copy_options::overwrite_existing);
    state.ResumeTiming();
    RemoveAHotKey(store, files, path, 1);
    if (reload) ReloadHotKeys(store, files, path);
  }
}

void BM_DeleteFirstRecord(benchmark::State& state) { DeleteFirstRecord(state, false); }
void BM_DeleteFirstRecordAndReload(benchmark::State& state) { DeleteFirstRecord(state, true); }

BENCHMARK(BM_LoadRandomOrder)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSortedOrder)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeldRandomOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeldSortedOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendRecord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteFirstRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteFirstRecordAndReload)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace wordsnap

// The entry of the benchmark program, for every benchmark in this folder.
BENCHMARK_MAIN();
