#pragma once
// The messages of the Wordsnap store and its file commands, with their captions.
// Store operations return them as values; the window layer shows them.

#include <cstdint>
#include <string>

namespace wordsnap {

struct StoreMessage {
  std::string text;
  std::string caption;

  bool operator==(const StoreMessage&) const = default;
};

inline constexpr const char* kCaptionError = "Error";
inline constexpr const char* kCaptionWarning = "Warning";

inline constexpr const char* kSavingOfKeystrokesFailed = "Saving of keystrokes failed.";
inline constexpr const char* kInvalidFileTypeSelected = "Invalid file type selected.";
inline constexpr const char* kFileDoesNotExist = "File does not exist.";
inline constexpr const char* kCouldNotBeOpenedOrCreated = " could not be opened or created.";
inline constexpr const char* kPathTooLong =
    "The path of this Wordsnap file is longer than 249 characters.  Move the file to a shorter path and open it again.";

inline constexpr const char* kWordsnapNotInFile =
    "This Wordsnap is no longer in the Wordsnap file.  "
    "The file may have been changed by another user; reload it and try again.";
inline constexpr const char* kDeletingFailed = "Deleting the Wordsnap failed.  The Wordsnap file was not changed.";
inline constexpr const char* kDeletingInterrupted =
    "Deleting the Wordsnap stopped part way.  No other Wordsnap was lost, but one may now be in the list twice; "
    "check the list and delete the extra one.";

// path + " could not be opened or created."
StoreMessage CouldNotOpenOrCreateMessage(const std::string& path);
// "Saving of keystrokes failed."
StoreMessage SavingFailedMessage();
// "Invalid file type selected."
StoreMessage InvalidFileTypeMessage();
// "File does not exist."
StoreMessage FileDoesNotExistMessage();
// A data file whose path the settings could not give back whole at the next start.
StoreMessage PathTooLongMessage();
// A record number that the file does not hold (shortened by another copy, or damaged).
StoreMessage WordsnapNotInFileMessage();
// The file could not be opened or read.
StoreMessage CouldNotBeReadMessage(const std::string& path);
// A load that stopped at a read failure, keeping what it had read.
StoreMessage LoadIncompleteMessage(const std::string& path);
// The file ends with bytes that do not make up a whole record.
StoreMessage DamagedTailMessage(const std::string& path, std::uint64_t tailBytes);
// A delete that did not happen; the file is as it was.
StoreMessage DeletingFailedMessage();
// A delete in place that stopped after it had begun to move records.
StoreMessage DeletingInterruptedMessage();

// Hint of the main window's prefix button: "Suffix Keys" in suffix mode, else
// "Prefix Keys: " followed by the prefix keys.
std::string PrefixButtonHint(bool useSuffix, const std::string& prefixKeys);

}  // namespace wordsnap
