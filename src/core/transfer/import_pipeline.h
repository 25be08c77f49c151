#pragma once
// What both imports do with the entries they read: sort them, write them
// median-first, and check each one on the way (name length, name characters,
// text length, duplicates), through the store's own record operations.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/seam/data_file_access.h"
#include "core/store/store_messages.h"
#include "core/store/wordsnap_store.h"
#include "core/transfer/import_list.h"

namespace wordsnap {

inline constexpr std::size_t kMaxImportedName = 255;  // an entry's name is cut to this before it is checked
inline constexpr const char* kCaptionDuplicateFound = "Duplicate Found";

// The questions and messages of an import, shown by the window.
class ImportHost {
 public:
  virtual ~ImportHost() = default;
  // A message with an OK button.
  virtual void ShowMessage(const StoreMessage& message) = 0;
  // The duplicate question (caption "Duplicate Found", Yes and No); true for Yes.
  virtual bool AskDuplicate(const std::string& question) = 0;
  // The import list's order: negative, zero or positive as entry a sorts before,
  // with or after b, ignoring case. The program compares by the user's locale;
  // this default compares bytes with a-z upper-cased.
  virtual int CompareEntries(std::string_view a, std::string_view b);
};

// The open data file an import writes into.
struct ImportTarget {
  WordsnapStore& store;
  DataFileAccess& files;
  const std::string& currentFile;
};

struct ImportCounts {
  std::int32_t read = 0;      // entries in the import list
  std::int32_t appended = 0;  // written as new Wordsnaps
  std::int32_t replaced = 0;  // written over an existing Wordsnap of the same name
  std::int32_t declined = 0;  // duplicates the user chose not to replace
  std::int32_t failed = 0;    // could not be written to the data file

  std::int32_t Imported() const { return appended + replaced; }
};

// Sorts the list, writes every entry median-first with the duplicate mode (the
// "Duplicate Setting" values: 1 import as a duplicate, 2 replace, anything else
// prompt) and empties the list. Entries that cannot be written are reported once,
// after the others, with how many failed and how many were imported.
ImportCounts AddImportList(ImportList& list, std::int32_t duplicateMode, const ImportTarget& target,
                           ImportHost& host);

// The messages of the entry checks.
StoreMessage NameTooLongMessage(std::string_view wholeName);
StoreMessage InvalidNameMessage(std::string_view name);
StoreMessage TextTooLongMessage(std::string_view text);
std::string DuplicateQuestion(std::string_view name, std::string_view preview, std::string_view newText);
StoreMessage ImportFailuresMessage(const ImportCounts& counts);

}  // namespace wordsnap
