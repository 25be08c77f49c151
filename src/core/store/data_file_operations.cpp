#include "core/store/data_file_operations.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "core/store/record_positions.h"

namespace wordsnap {
namespace {

constexpr auto kMaxRecords = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());

StoreResult Outcome(StoreOutcome outcome, StoreMessage message) { return {outcome, std::move(message)}; }

// Loads every whole record of an open file into the store, a chunk at a time.
// Returns false when a read fails; the records before it stay loaded.
bool LoadRecords(WordsnapStore& store, DataFile& file, std::uint64_t wholeRecords, LoadResult& result) {
  const std::uint64_t records = std::min(wholeRecords, kMaxRecords);
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min(records, kRecordsPerChunk) * kRecordSize));
  WordsnapTreeLoader tree(store.tree);
  for (std::uint64_t first = 0; first < records; first += kRecordsPerChunk) {
    const std::uint64_t count = std::min(kRecordsPerChunk, records - first);
    if (!file.ReadAt(first * kRecordSize, std::span<std::uint8_t>(buffer.data(), count * kRecordSize))) return false;
    for (std::uint64_t i = 0; i < count; ++i) {
      DecodeRecord(RecordView(buffer.data() + i * kRecordSize, kRecordSize), store.current.Record);
      store.current.RecordNo = ++store.recordCount;
      if (store.recordCount == 1) {
        store.prefixKeys = store.current.Record.PrefixKeys;
        result.prefixKeysTaken = true;
      }
      tree.Add(store.current);
    }
  }
  return true;
}

}  // namespace

LoadResult LoadTheHotKeys(WordsnapStore& store, DataFileAccess& files, const std::string& path) {
  store.names.Clear();
  FreeTheHotKeys(store.tree);
  store.recordCount = 0;
  LoadResult result;

  auto file = files.Open(path, DataFileMode::ReadOnly);
  if (!file) {
    // Only a missing file is created; one that exists but cannot be opened is
    // left alone, never emptied.
    if (auto created = files.CreateNew(path)) {
      created->Close();
      result.outcome = LoadOutcome::Created;
    } else {
      result.outcome = LoadOutcome::Unavailable;
      result.message = CouldNotOpenOrCreateMessage(path);
    }
    SetCalcHalf1(store);
    return result;
  }

  const std::optional<std::uint64_t> size = file->Size();
  const bool complete = size && LoadRecords(store, *file, *size / kRecordSize, result);
  file->Close();
  store.names.Rebuild(store.tree);
  SetCalcHalf1(store);

  if (!complete) {
    result.outcome = LoadOutcome::Incomplete;
    result.message = LoadIncompleteMessage(path);
  } else if (*size % kRecordSize != 0) {
    result.damagedTailBytes = *size % kRecordSize;
    result.message = DamagedTailMessage(path, result.damagedTailBytes);
  }
  return result;
}

LoadResult ReloadHotKeys(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile) {
  return LoadTheHotKeys(store, files, currentFile);
}

StoreResult LoadAHotKey(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                        std::int32_t recordNo) {
  auto file = files.Open(currentFile, DataFileMode::ReadOnly);
  if (!file) return Outcome(StoreOutcome::NotOpened, CouldNotBeReadMessage(currentFile));
  const std::optional<std::uint64_t> size = file->Size();
  if (!size) return Outcome(StoreOutcome::Failed, CouldNotBeReadMessage(currentFile));
  if (!IsRecordInFile(recordNo, *size / kRecordSize)) {
    return Outcome(StoreOutcome::NoSuchRecord, WordsnapNotInFileMessage());
  }
  RecordBytes bytes;
  if (!file->ReadAt(RecordOffset(recordNo), bytes)) {
    return Outcome(StoreOutcome::Failed, CouldNotBeReadMessage(currentFile));
  }
  file->Close();
  DecodeRecord(bytes, store.current.Record);
  return {};
}

StoreResult AddAHotKey(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                       std::int32_t recordNo) {
  const bool append = recordNo == kAppendRecord;
  // The caller raised the record count for the record it appends; an append that
  // fails takes that back, so the count still names the file's last record.
  const auto failed = [&](StoreOutcome outcome, StoreMessage message) {
    if (append && store.recordCount > 0) --store.recordCount;
    return Outcome(outcome, std::move(message));
  };
  auto file = files.Open(currentFile, DataFileMode::ReadWrite);
  if (!file) return failed(StoreOutcome::NotOpened, SavingFailedMessage());
  const std::optional<std::uint64_t> size = file->Size();
  if (!size) return failed(StoreOutcome::Failed, SavingFailedMessage());
  const std::uint64_t wholeRecords = *size / kRecordSize;

  if (append && wholeRecords >= kMaxRecords) return failed(StoreOutcome::Failed, SavingFailedMessage());
  if (!append && !IsRecordInFile(recordNo, wholeRecords)) {
    return Outcome(StoreOutcome::NoSuchRecord, WordsnapNotInFileMessage());
  }
  const std::int32_t number = append ? static_cast<std::int32_t>(wholeRecords + 1) : recordNo;

  CurrentRecordBuffer& current = store.current;
  current.RecordNo = number;
  current.Record.PrefixKeys = store.prefixKeys.substr(0, kMaxPrefixKeys);
  current.Record.Reserved.fill(0);
  const RecordBytes bytes = EncodeRecord(current.Record);
  const bool written = file->WriteAt(RecordOffset(number), bytes);
  const bool closed = file->Close();
  if (!written || !closed) return failed(StoreOutcome::Failed, SavingFailedMessage());

  if (append) {
    AddWordsnapNode(store, current);
    store.recordCount = number;
    SetCalcHalf1(store);
  } else {
    UpdateNodeByRecordNo(store.tree, number, current);
    store.names.Rebuild(store.tree);  // a new name may have reshaped the tree
  }
  return {};
}

StoreResult ChangeActiveInFile(DataFileAccess& files, const std::string& currentFile, std::int32_t recordNo,
                               std::uint8_t value) {
  auto file = files.Open(currentFile, DataFileMode::ReadWrite);
  if (!file) return Outcome(StoreOutcome::NotOpened, SavingFailedMessage());
  const std::optional<std::uint64_t> size = file->Size();
  if (!size) return Outcome(StoreOutcome::Failed, SavingFailedMessage());
  if (!IsRecordInFile(recordNo, *size / kRecordSize)) {
    return Outcome(StoreOutcome::NoSuchRecord, WordsnapNotInFileMessage());
  }
  const std::uint8_t byte[1] = {value};
  const bool written = file->WriteAt(RecordOffset(recordNo) + record_offset::kActive, byte);
  const bool closed = file->Close();
  if (!written || !closed) return Outcome(StoreOutcome::Failed, SavingFailedMessage());
  return {};
}

StoreResult ChangePrefixInFile(const WordsnapStore& store, DataFileAccess& files, const std::string& currentFile) {
  auto file = files.Open(currentFile, DataFileMode::ReadWrite);
  if (!file) return Outcome(StoreOutcome::NotOpened, SavingFailedMessage());
  const std::optional<std::uint64_t> size = file->Size();
  if (!size) return Outcome(StoreOutcome::Failed, SavingFailedMessage());
  if (*size < kRecordSize) return {};  // no record 1 to hold them

  std::array<std::uint8_t, 3> field{};
  EncodePrefixKeys(store.prefixKeys, field);
  const bool written = file->WriteAt(record_offset::kPrefixKeys, field);
  const bool closed = file->Close();
  if (!written || !closed) return Outcome(StoreOutcome::Failed, SavingFailedMessage());
  return {};
}

StoreResult EmptyDataFile(DataFileAccess& files, const std::string& path) {
  auto file = files.Open(path, DataFileMode::ReadWrite);
  if (!file) return Outcome(StoreOutcome::NotOpened, CouldNotOpenOrCreateMessage(path));
  const bool emptied = file->Truncate(0);
  const bool closed = file->Close();
  if (!emptied || !closed) return Outcome(StoreOutcome::Failed, CouldNotOpenOrCreateMessage(path));
  return {};
}

}  // namespace wordsnap
