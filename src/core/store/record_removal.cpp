// Deleting a record. Every following record moves down one place, so the new
// contents are built in a side file beside the data file, pushed to the disk, and
// then put in the data file's place in one step, which carries the data file's
// attributes, owner and permissions over to it. Until that step the data file is
// untouched; after it, it is complete. A failure or a crash at any point therefore
// leaves the old contents or the new ones, never a record lost or doubled, and
// other copies reading by record number never see a half-moved file.
//
// Where that cannot be done, the file is changed where it is instead: when it has
// more than one name (a hard link would otherwise keep the old contents under its
// other names), when its folder refuses a new file, or when the file may be
// changed but not replaced. The records then move down one at a time, each pushed
// to the disk before the next, so an interruption can leave one Wordsnap twice
// but never loses one.

#include <algorithm>
#include <array>
#include <vector>

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

enum class SideFileOutcome {
  Replaced,    // the data file now holds the new contents
  Failed,      // the new contents could not be written; the data file is as it was
  NotPossible, // no side file, or it could not take the data file's place; the data file is as it was
};

// Builds the new contents in a side file and puts it in the data file's place.
// Closes the data file in every case; leaves no side file behind.
SideFileOutcome RemoveThroughSideFile(std::unique_ptr<DataFile> data, std::uint64_t size, std::int32_t recordNo,
                                      const std::string& prefixKeys, DataFileAccess& files,
                                      const std::string& currentFile) {
  std::string sidePath;
  auto side = files.CreateSideFile(currentFile, sidePath);
  if (!side) return SideFileOutcome::NotPossible;

  bool ready = WriteContentsWithout(*data, size, recordNo, prefixKeys, *side);
  ready = side->Close() && ready;
  data->Close();  // only read from; must be closed before it can be replaced
  data.reset();
  if (!ready) {
    files.Remove(sidePath);
    return SideFileOutcome::Failed;
  }
  if (files.Replace(sidePath, currentFile)) return SideFileOutcome::Replaced;
  files.Remove(sidePath);
  return SideFileOutcome::NotPossible;
}

// Moves every byte after record n one record down, each piece pushed to the disk
// before the next is written, then cuts the file's last record off. True when it
// went through; written tells whether the file was touched at all.
bool RemoveInPlace(DataFile& data, std::uint64_t size, std::int32_t recordNo, const std::string& prefixKeys,
                   bool& written) {
  const std::uint64_t wholeRecords = size / kRecordSize;
  std::vector<std::uint8_t> piece(kRecordSize);
  for (std::uint64_t from = RecordOffset(recordNo) + kRecordSize; from < size; from += kRecordSize) {
    const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(kRecordSize, size - from));
    const std::span<std::uint8_t> bytes(piece.data(), length);
    if (!data.ReadAt(from, bytes)) return false;
    written = true;
    if (!data.WriteAt(from - kRecordSize, bytes) || !data.Flush()) return false;
  }
  if (recordNo == 1 && wholeRecords > 1) {
    std::array<std::uint8_t, 3> field{};
    EncodePrefixKeys(prefixKeys, field);
    written = true;
    if (!data.WriteAt(record_offset::kPrefixKeys, field) || !data.Flush()) return false;
  }
  if (!data.Truncate(size - kRecordSize)) return false;
  written = true;
  return data.Flush();
}

}  // namespace

StoreResult RemoveAHotKey(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                          std::int32_t recordNo) {
  // Opened for writing although at first only read: a file we may not change is neither replaced nor changed.
  auto data = files.Open(currentFile, DataFileMode::ReadWrite);
  if (!data) return {StoreOutcome::NotOpened, DeletingFailedMessage()};
  std::optional<std::uint64_t> size = data->Size();
  if (!size) return {StoreOutcome::Failed, DeletingFailedMessage()};
  if (!IsRecordInFile(recordNo, *size / kRecordSize)) return {StoreOutcome::NoSuchRecord, WordsnapNotInFileMessage()};

  if (data->Links().value_or(1) <= 1) {
    switch (RemoveThroughSideFile(std::move(data), *size, recordNo, store.prefixKeys, files, currentFile)) {
      case SideFileOutcome::Replaced: return {};
      case SideFileOutcome::Failed: return {StoreOutcome::Failed, DeletingFailedMessage()};
      case SideFileOutcome::NotPossible: break;
    }
    // Opened again for the change in place; another copy cannot have changed it
    // meanwhile, as every writer holds the network lock.
    data = files.Open(currentFile, DataFileMode::ReadWrite);
    if (!data) return {StoreOutcome::NotOpened, DeletingFailedMessage()};
    size = data->Size();
    if (!size) return {StoreOutcome::Failed, DeletingFailedMessage()};
    if (!IsRecordInFile(recordNo, *size / kRecordSize)) {
      return {StoreOutcome::NoSuchRecord, WordsnapNotInFileMessage()};
    }
  }

  bool written = false;
  const bool removed = RemoveInPlace(*data, *size, recordNo, store.prefixKeys, written);
  const bool closed = data->Close();
  if (removed && closed) return {};
  return {StoreOutcome::Failed, written ? DeletingInterruptedMessage() : DeletingFailedMessage()};
}

}  // namespace wordsnap
