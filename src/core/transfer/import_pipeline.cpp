#include "core/transfer/import_pipeline.h"

#include <algorithm>
#include <optional>

#include "core/ascii_case.h"
#include "core/editor/wordsnap_name.h"
#include "core/settings/settings.h"
#include "core/store/data_file_operations.h"

namespace wordsnap {
namespace {

constexpr std::size_t kMaxMessageLength = 255;
constexpr std::size_t kQuotedTextLength = 50;  // of a replacement text in a message
constexpr char kReplacementCharacter = '#';
constexpr const char* kTwoLineBreaks = "\n\r\n\r";  // LF CR twice, in that order

std::string Quote(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string_view First(std::string_view text, std::size_t count) { return text.substr(0, count); }

bool WriteEntry(const ImportTarget& target, std::int32_t recordNo) {
  return AddAHotKey(target.store, target.files, target.currentFile, recordNo).Ok();
}

// Puts back the preview of a node whose record could not be rewritten, so the
// list keeps showing what the file holds.
void RestorePreview(WordsnapStore& store, std::int32_t recordNo, const std::string& oldPreview) {
  CurrentRecordBuffer old = store.current;
  old.Record.ReplacementText = oldPreview;
  UpdateNodeByRecordNo(store.tree, recordNo, old);
}

// Checks one entry, fills the current-record buffer with it and writes it.
void HandleEntry(const ImportEntry& entry, std::int32_t duplicateMode, const ImportTarget& target, ImportHost& host,
                 ImportCounts& counts) {
  std::string name(First(entry.Name(), kMaxImportedName));
  if (name.size() > kMaxNameLength) {
    host.ShowMessage(NameTooLongMessage(name));
    name.resize(kMaxNameLength);
  }
  if (!std::all_of(name.begin(), name.end(), IsValidNameCharacter)) {
    host.ShowMessage(InvalidNameMessage(name));
    std::replace_if(name.begin(), name.end(), [](char c) { return !IsValidNameCharacter(c); },
                    kReplacementCharacter);
  }

  CurrentRecordBuffer& current = target.store.current;
  current.Record = WordsnapRecord{};
  current.Record.Name = name;
  current.Record.Active = 1;
  current.Record.ViaClipboard = 0;
  current.Record.CaseRule = kCaseNone;
  current.Record.KeyDelay = 0;
  std::string_view text = entry.Text();
  if (text.size() > kMaxReplacementText) {
    host.ShowMessage(TextTooLongMessage(text));
    text = First(text, kMaxReplacementText);
  }
  current.Record.ReplacementText = std::string(text);

  std::int32_t recordNo = kAppendRecord;
  std::optional<std::string> oldPreview;
  if (duplicateMode != kDuplicateSettingImport) {
    oldPreview = FindForPrompting(target.store.tree, name);
    if (oldPreview && duplicateMode != kDuplicateSettingReplace &&
        !host.AskDuplicate(DuplicateQuestion(name, *oldPreview, text))) {
      ++counts.declined;
      return;
    }
    // Takes the old Wordsnap's flags into the buffer and shows the new text in its node.
    if (oldPreview) recordNo = FindForReplacement(target.store.tree, current).value_or(kAppendRecord);
  }
  if (recordNo == kAppendRecord) ++target.store.recordCount;  // for the record it adds; a failed append lowers it
  if (!WriteEntry(target, recordNo)) {
    ++counts.failed;
    if (recordNo != kAppendRecord) RestorePreview(target.store, recordNo, *oldPreview);
  } else if (recordNo == kAppendRecord) {
    ++counts.appended;
  } else {
    ++counts.replaced;
  }
}

}  // namespace

int ImportHost::CompareEntries(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(UpperAscii(a[i]));
    const auto y = static_cast<unsigned char>(UpperAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

ImportCounts AddImportList(ImportList& list, std::int32_t duplicateMode, const ImportTarget& target,
                           ImportHost& host) {
  ImportCounts counts;
  counts.read = static_cast<std::int32_t>(list.size());
  std::stable_sort(list.begin(), list.end(), [&](const ImportEntry& a, const ImportEntry& b) {
    return host.CompareEntries(a.entry, b.entry) < 0;
  });
  for (const std::size_t i : MedianFirstOrder(list.size())) HandleEntry(list[i], duplicateMode, target, host, counts);
  list.clear();
  if (counts.failed > 0) host.ShowMessage(ImportFailuresMessage(counts));
  return counts;
}

StoreMessage NameTooLongMessage(std::string_view wholeName) {
  std::string text = "The Original Keys " + Quote(wholeName) +
                     " is longer than the 10 character maximum. It will be truncated to 10 characters.";
  if (text.size() > kMaxMessageLength) text.resize(kMaxMessageLength);
  return {text, kCaptionError};
}

StoreMessage InvalidNameMessage(std::string_view name) {
  return {"The Original Keys " + Quote(name) +
              " has invalid characters in it.  Valid characters are "
              "A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +"
              "   Invalid characters will be replaced with " + Quote("#") + ".",
          kCaptionError};
}

StoreMessage TextTooLongMessage(std::string_view text) {
  return {"The size of the replacement keys" + std::string(First(text, kQuotedTextLength)) +
              "... exceeds the 3,000 character limit.  The replacement keys will be truncated to 3,000 characters.",
          kCaptionError};
}

std::string DuplicateQuestion(std::string_view name, std::string_view preview, std::string_view newText) {
  return "Do you wish to replace the Wordsnap " + std::string(name) + " that contains:" + kTwoLineBreaks +
         std::string(preview) + kTwoLineBreaks + "WITH" + kTwoLineBreaks +
         std::string(First(newText, kQuotedTextLength));
}

StoreMessage ImportFailuresMessage(const ImportCounts& counts) {
  return {"Saving of keystrokes failed for " + std::to_string(counts.failed) + " of the " +
              std::to_string(counts.read) + " Wordsnaps read from the file; they are not in the Wordsnap file.  " +
              std::to_string(counts.Imported()) + " Wordsnaps were imported.",
          kCaptionError};
}

}  // namespace wordsnap
