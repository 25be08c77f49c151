#include "core/store/store_messages.h"

namespace wordsnap {

StoreMessage CouldNotOpenOrCreateMessage(const std::string& path) {
  return {path + kCouldNotBeOpenedOrCreated, kCaptionError};
}

StoreMessage SavingFailedMessage() { return {kSavingOfKeystrokesFailed, kCaptionError}; }

StoreMessage InvalidFileTypeMessage() { return {kInvalidFileTypeSelected, kCaptionError}; }

StoreMessage FileDoesNotExistMessage() { return {kFileDoesNotExist, kCaptionError}; }

StoreMessage PathTooLongMessage() { return {kPathTooLong, kCaptionError}; }

StoreMessage WordsnapNotInFileMessage() { return {kWordsnapNotInFile, kCaptionError}; }

StoreMessage CouldNotBeReadMessage(const std::string& path) { return {path + " could not be read.", kCaptionError}; }

StoreMessage LoadIncompleteMessage(const std::string& path) {
  return {path + " could not be read to the end.  Only the Wordsnaps before the failure were loaded.",
          kCaptionError};
}

StoreMessage DamagedTailMessage(const std::string& path, std::uint64_t tailBytes) {
  return {path + " is damaged: its last " + std::to_string(tailBytes) +
              " bytes do not make up a whole Wordsnap and were not loaded.  "
              "All Wordsnaps before them were loaded, and the file was not changed.",
          kCaptionWarning};
}

StoreMessage DeletingFailedMessage() { return {kDeletingFailed, kCaptionError}; }

StoreMessage DeletingInterruptedMessage() { return {kDeletingInterrupted, kCaptionError}; }

std::string PrefixButtonHint(bool useSuffix, const std::string& prefixKeys) {
  return useSuffix ? std::string("Suffix Keys") : "Prefix Keys: " + prefixKeys;
}

}  // namespace wordsnap
