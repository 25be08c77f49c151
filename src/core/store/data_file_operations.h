#pragma once
// The record operations on a data file: a headerless run of 3039-byte records,
// record n at byte (n-1) x 3039. Each operation opens the file for itself, shared
// with other processes, works by record number and closes it again. Failures come
// back as values carrying the message to show; nothing here shows anything.
//
// Damaged files are handled soundly: only whole records are ever read, writes go
// to whole-record positions only, and bytes after the last whole record are left
// as they are (an append lands on them).

#include <cstdint>
#include <optional>
#include <string>

#include "core/seam/data_file_access.h"
#include "core/store/store_messages.h"
#include "core/store/wordsnap_store.h"

namespace wordsnap {

inline constexpr std::int32_t kAppendRecord = -1;

enum class StoreOutcome {
  Done,
  NotOpened,     // the file could not be opened; nothing was done
  NoSuchRecord,  // the record number is not in the file; nothing was done
  Failed,        // reading or writing failed after the file was opened
};

struct StoreResult {
  StoreOutcome outcome = StoreOutcome::Done;
  std::optional<StoreMessage> message;  // show it when set

  bool Ok() const { return outcome == StoreOutcome::Done; }
};

enum class LoadOutcome {
  Loaded,       // every whole record was loaded (see DamagedTailBytes)
  Created,      // the file did not exist and was created empty
  Unavailable,  // the file could be neither opened nor created
  Incomplete,   // reading stopped at a failure; the records before it were loaded
};

struct LoadResult {
  LoadOutcome outcome = LoadOutcome::Loaded;
  std::optional<StoreMessage> message;  // error or warning to show when set
  bool prefixKeysTaken = false;         // record 1 was read and its prefix keys are in force
  std::uint64_t damagedTailBytes = 0;   // bytes after the last whole record
};

// Replaces the tree with the file's records, in file order, numbered from 1; takes
// record 1's prefix keys; sets the record count and the counter column width. A
// missing file is created empty; an existing one is never emptied or changed.
// Afterwards the caller refreshes the prefix button hint (when PrefixKeysTaken)
// and the matcher's prefix. The current-record buffer holds the last record read.
LoadResult LoadTheHotKeys(WordsnapStore& store, DataFileAccess& files, const std::string& path);

// Frees the tree and loads the current file again.
LoadResult ReloadHotKeys(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile);

// Reads record n into the current-record buffer; the buffer's record number stays.
StoreResult LoadAHotKey(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                        std::int32_t recordNo);

// Writes the current-record buffer with the prefix keys in force and zero reserved
// bytes, as record n or, with kAppendRecord, after the file's last whole record.
// An appended record's number is its true place in the file, which also becomes
// the record count; its node is inserted. A rewritten record's node is updated.
// The caller of an append raises the record count first (the editor and the
// imports do); when the append fails, the count is lowered again.
StoreResult AddAHotKey(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                       std::int32_t recordNo);

// Deletes record n, closing the gap; a new record 1 gets the prefix keys in force.
// The new contents are written to a side file beside the data file and put in its
// place in one step, keeping the file's attributes, owner and permissions, so an
// interruption at any point leaves the file either as it was or as it should
// become. A file with several names, in a folder that refuses new files, or that
// may be changed but not replaced is changed in place instead, one record at a
// time: an interruption there may leave one Wordsnap twice but loses none. No
// side file is left behind. The caller reloads the tree afterwards.
StoreResult RemoveAHotKey(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                          std::int32_t recordNo);

// Sets the Active byte of record n in the file.
StoreResult ChangeActiveInFile(DataFileAccess& files, const std::string& currentFile, std::int32_t recordNo,
                               std::uint8_t value);

// Writes the prefix keys in force into record 1, when the file has one.
StoreResult ChangePrefixInFile(const WordsnapStore& store, DataFileAccess& files, const std::string& currentFile);

// Empties an existing data file (a new file chosen over an old one).
StoreResult EmptyDataFile(DataFileAccess& files, const std::string& path);

}  // namespace wordsnap
