// The editor's find and replace on a memo of several thousand characters with a
// 255-character find text, the worst case for a naive search (a pattern that
// almost matches at every place), against a short find text.
#include <benchmark/benchmark.h>

#include <string>

#include "core/search/editor_search.h"

namespace wordsnap {
namespace {

const std::string& LongMemo() {
  static const std::string memo(8000, 'a');
  return memo;
}

void BM_FindLongNearMiss(benchmark::State& state) {
  const std::string find = std::string(254, 'A') + "b";
  for (auto _ : state) {
    EditorSearch search;
    benchmark::DoNotOptimize(search.Find(LongMemo(), find));
  }
}
BENCHMARK(BM_FindLongNearMiss);

void BM_FindShort(benchmark::State& state) {
  for (auto _ : state) {
    EditorSearch search;
    benchmark::DoNotOptimize(search.Find(LongMemo(), "ab"));
  }
}
BENCHMARK(BM_FindShort);

void BM_ReplaceEveryCharacter(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReplaceAll(LongMemo(), "A", "bb"));
}
BENCHMARK(BM_ReplaceEveryCharacter);

}  // namespace
}  // namespace wordsnap
