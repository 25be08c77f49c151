#include "core/store/wordsnap_store.h"

namespace wordsnap {

void AddWordsnapNode(WordsnapStore& store, const CurrentRecordBuffer& buffer) {
  store.names.Add(store.tree, DoAddIt(store.tree, buffer));
}

int CounterColumnWidthFor(std::int32_t recordCount) {
  if (recordCount > 9999) return 46;
  if (recordCount > 999) return 38;
  if (recordCount > 99) return 30;
  if (recordCount > 9) return 21;
  return 12;
}

void SetCalcHalf1(WordsnapStore& store) { store.counterColumnWidth = CounterColumnWidthFor(store.recordCount); }

}  // namespace wordsnap
