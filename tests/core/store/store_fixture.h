#pragma once
// Shared makings of the store tests: records, whole files of them, and a store
// over an in-memory file system.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/store/data_file_operations.h"
#include "store/memory_data_file_access.h"

namespace wordsnap::store_test {

inline WordsnapRecord MakeRecord(std::string name, std::string text = "", std::string prefix = "") {
  WordsnapRecord record;
  record.PrefixKeys = std::move(prefix);
  record.Name = std::move(name);
  record.Active = 1;
  record.ReplacementText = text.empty() ? "text of " + record.Name : std::move(text);
  record.CaseRule = 3;
  return record;
}

inline Bytes FileOf(const std::vector<WordsnapRecord>& records) {
  Bytes bytes;
  for (const auto& record : records) {
    const RecordBytes encoded = EncodeRecord(record);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
  }
  return bytes;
}

inline Bytes FileOfNames(const std::vector<std::string>& names, const std::string& prefix = "") {
  std::vector<WordsnapRecord> records;
  for (const auto& name : names) records.push_back(MakeRecord(name, "", prefix));
  return FileOf(records);
}

inline WordsnapRecord RecordAt(const Bytes& file, std::size_t recordNo) {
  return DecodeRecord(RecordView(file.data() + (recordNo - 1) * kRecordSize, kRecordSize));
}

inline Bytes RecordBytesAt(const Bytes& file, std::size_t recordNo) {
  const auto begin = file.begin() + static_cast<std::ptrdiff_t>((recordNo - 1) * kRecordSize);
  return Bytes(begin, begin + kRecordSize);
}

inline std::vector<std::string> NamesIn(const Bytes& file) {
  std::vector<std::string> names;
  for (std::size_t n = 1; n * kRecordSize <= file.size(); ++n) names.push_back(RecordAt(file, n).Name);
  return names;
}

inline std::vector<std::string> NodeNamesByRecordNo(const WordsnapStore& store) {
  std::vector<std::string> names(static_cast<std::size_t>(CountNodes(store.tree)));
  ForEachNodeInFillOrder(store.tree, [&](const WordsnapNode& node) {
    if (node.RecordNo >= 1 && static_cast<std::size_t>(node.RecordNo) <= names.size()) {
      names[static_cast<std::size_t>(node.RecordNo - 1)] = node.Name();
    }
  });
  return names;
}

inline const char* const kDataPath = "C:\\DATA\\KEY.WSN";

class StoreTest : public ::testing::Test {
 protected:
  MemoryDataFileAccess files;
  WordsnapStore store;
};

}  // namespace wordsnap::store_test
