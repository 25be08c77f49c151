#pragma once
// What the program keeps in memory of its open data file: the tree, the record
// count, the current-record buffer, the prefix keys in force and the width of the
// list's counter column. One instance lives with the main window; tests make
// their own.

#include <cstdint>
#include <string>

#include "core/store/wordsnap_name_index.h"
#include "core/store/wordsnap_record.h"
#include "core/store/wordsnap_tree.h"

namespace wordsnap {

struct WordsnapStore {
  WordsnapTree tree;                // empty while no Wordsnap is loaded
  WordsnapNameIndex names;          // the tree's nodes by key, for the keystroke path; kept in step with it
  std::int32_t recordCount = 0;     // records read at the last load plus those appended since
  CurrentRecordBuffer current;
  std::string prefixKeys;           // at most 2 characters; record 1 of the file holds them
  int counterColumnWidth = 12;      // pixels
};

// Links a node built from the buffer into the tree and indexes it.
void AddWordsnapNode(WordsnapStore& store, const CurrentRecordBuffer& buffer);

// Width in pixels of the counter column for this many records.
int CounterColumnWidthFor(std::int32_t recordCount);

// Sets the counter column width from the record count.
void SetCalcHalf1(WordsnapStore& store);

}  // namespace wordsnap
