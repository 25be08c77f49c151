#pragma once
// Shared makings of the import and export tests: a host that records what the
// user would see and answers the duplicate question from a script, and a store
// over an in-memory data file.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "core/transfer/import_pipeline.h"
#include "store/store_fixture.h"

namespace wordsnap::transfer_test {

using store_test::Bytes;
using store_test::kDataPath;
using store_test::MakeRecord;
using store_test::MemoryDataFileAccess;

// A Wordsnap as the editor makes it, with exactly this text (empty included).
inline WordsnapRecord Snap(std::string name, std::string text) {
  WordsnapRecord record = MakeRecord(std::move(name));
  record.ReplacementText = std::move(text);
  return record;
}

class RecordingImportHost : public ImportHost {
 public:
  void ShowMessage(const StoreMessage& message) override { messages.push_back(message); }
  bool AskDuplicate(const std::string& question) override {
    questions.push_back(question);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<StoreMessage> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;  // Yes or No, one per question; No when none is left
};

inline std::vector<std::string> Texts(const std::vector<StoreMessage>& messages) {
  std::vector<std::string> texts;
  for (const auto& message : messages) texts.push_back(message.text);
  return texts;
}

class TransferTest : public ::testing::Test {
 protected:
  void SetUp() override { files.Put(kDataPath, {}); }

  // Loads the data file into the store, as the program holds it while running.
  void Load() { LoadTheHotKeys(store, files, kDataPath); }
  ImportTarget Target() { return {store, files, path}; }
  const Bytes& DataFile() const { return files.Content(kDataPath); }
  std::int32_t RecordsInFile() const { return static_cast<std::int32_t>(DataFile().size() / kRecordSize); }
  WordsnapRecord Record(std::size_t recordNo) const { return store_test::RecordAt(DataFile(), recordNo); }

  MemoryDataFileAccess files;
  WordsnapStore store;
  std::string path = kDataPath;
  RecordingImportHost host;
};

inline ImportList ListOf(const std::vector<std::pair<std::string, std::string>>& entries) {
  ImportList list;
  for (const auto& [name, text] : entries) AddImportEntry(list, name, text);
  return list;
}

}  // namespace wordsnap::transfer_test
