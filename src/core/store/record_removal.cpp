// Deleting a record. Every following record moves down one place, so the new
// contents are built in a side file beside the data file, pushed to the disk, and
// then put in the data file's place in one step. Until that step the data file is
// untouched; after it, it is complete. A failure or a crash at any point therefore
// leaves the old contents or the new ones, never a record lost or doubled, and
// other copies reading by record number never see a half-moved file.

#include <array>

#include "core/store/data_file_operations.h"
#include "core/store/record_positions.h"

namespace wordsnap {
namespace {

// Writes the file's contents without record n into side: the records before it,
// the records after it one place down, and any bytes after the last whole record.
bool WriteContentsWithout(DataFile& data, std::uint64_t size, std::int32_t recordNo, const std::string& prefixKeys,
                          DataFile& side) {
  const std::uint64_t wholeRecords = size / kRecordSize;
  const std::uint64_t before = RecordOffset(recordNo);
  const std::uint64_t after = before + kRecordSize;
  if (!CopyBytes(data, 0, side, 0, before)) return false;
  if (!CopyBytes(data, after, side, before, size - after)) return false;
  if (recordNo == 1 && wholeRecords > 1) {
    // The new record 1 carries the file's prefix keys.
    std::array<std::uint8_t, 3> field{};
    EncodePrefixKeys(prefixKeys, field);
    if (!side.WriteAt(record_offset::kPrefixKeys, field)) return false;
  }
  return side.Flush();
}

}  // namespace

StoreResult RemoveAHotKey(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                          std::int32_t recordNo) {
  // Opened for writing although only read: a file we may not change is not replaced.
  auto data = files.Open(currentFile, DataFileMode::ReadWrite);
  if (!data) return {StoreOutcome::NotOpened, DeletingFailedMessage()};
  const std::optional<std::uint64_t> size = data->Size();
  if (!size) return {StoreOutcome::Failed, DeletingFailedMessage()};
  if (!IsRecordInFile(recordNo, *size / kRecordSize)) return {StoreOutcome::NoSuchRecord, WordsnapNotInFileMessage()};

  std::string sidePath;
  auto side = files.CreateSideFile(currentFile, sidePath);
  if (!side) return {StoreOutcome::Failed, DeletingFailedMessage()};

  bool ready = WriteContentsWithout(*data, *size, recordNo, store.prefixKeys, *side);
  ready = side->Close() && ready;
  data->Close();  // only read from; must be closed before it can be replaced

  if (!ready || !files.Replace(sidePath, currentFile)) {
    files.Remove(sidePath);
    return {StoreOutcome::Failed, DeletingFailedMessage()};
  }
  return {};
}

}  // namespace wordsnap
